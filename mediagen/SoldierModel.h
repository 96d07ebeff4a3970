// The soldier: about 13 tall, feet at y = 0, facing +Z; rigid parts on a skeleton of 17 bones.
#pragma once

#include "mediagen/Rig.h"

class MediaWriter;
class MeshBuilder;

class SoldierModel {
public:
    SoldierModel();

    const Rig& rig() const { return skeletonRig; }
    void write(const MediaWriter& writer) const;

private:
    void dressLegs(MeshBuilder& mesh) const;
    void dressBody(MeshBuilder& mesh) const;
    void dressArms(MeshBuilder& mesh) const;
    void dressHead(MeshBuilder& mesh) const;

    Rig skeletonRig;
};
