// A round painted target on a wooden stand, modelled in world units and squeezed into the unit cube
// that the game stretches by (3, 40, 20). Sub-mesh 0: stand and board; sub-mesh 1: the painted face.
#pragma once

class MediaWriter;

class TargetModel {
public:
    void write(const MediaWriter& writer) const;
};
