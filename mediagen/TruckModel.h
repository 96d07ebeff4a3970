// The truck, in its own units (the game scales it by 0.15): wheels on y = -80, bed floor just under
// y = 0 where the game lays its deck plate, bed from z = -10 to 230, cab ahead of it.
#pragma once

class MediaWriter;
class MeshBuilder;

class TruckModel {
public:
    void write(const MediaWriter& writer) const;

private:
    void addBed(MeshBuilder& mesh) const;
    void addCab(MeshBuilder& mesh) const;
    void addRunningGear(MeshBuilder& mesh) const;
};
