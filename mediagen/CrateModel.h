// The wooden crate: a unit cube (the game scales it by 15), its planks painted in the texture.
#pragma once

class MediaWriter;

class CrateModel {
public:
    void write(const MediaWriter& writer) const;
};
