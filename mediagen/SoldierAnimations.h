// The soldier's four animations: two for the legs and pelvis, two for the spine, arms and head,
// so that they add up when played together.
#pragma once

#include "mediagen/Rig.h"

#include <OgreQuaternion.h>
#include <OgreSkeleton.h>
#include <OgreVector.h>

#include <utility>
#include <vector>

class SoldierAnimations {
public:
    explicit SoldierAnimations(const Rig& rig);

    void addTo(Ogre::Skeleton& skeleton) const;

private:
    // What the upper body does at one moment; poses in between are blended from these.
    struct Stance {
        Ogre::Vector3 grip;          // right hand, model space
        Ogre::Quaternion rifle;      // right hand orientation: the rifle points along its +Z
        Ogre::Vector3 otherHold;     // where the left hand holds the rifle, in the rifle's axes
        float otherFree;             // 0: the left hand holds the rifle, 1: it is at `otherReach`
        Ogre::Vector3 otherReach;    // model space
        Ogre::Vector3 spine;         // pitch, yaw and roll in degrees
        Ogre::Vector3 chest;
        Ogre::Vector3 head;
    };
    struct LegMotion {
        float stride;     // 0 to 1 round a full step, 0 with the left leg passing under the body
        float strideSize; // 0 standing, 1 running
        float crouch;     // knees bent, 0 to 1
        float lean;       // pelvis forwards, degrees
        float twist;      // pelvis about the vertical, degrees
        float bob;        // pelvis up and down
    };
    using Timeline = std::vector<std::pair<float, Stance>>;

    static Stance blend(const Stance& from, const Stance& to, float weight);
    static Stance stanceAt(const Timeline& timeline, float time);
    static std::vector<float> keyTimes(const Timeline& timeline);
    Rig::Pose upperPose(const Stance& stance) const;
    Rig::Pose legPose(const LegMotion& motion) const;

    const Rig& rig;
    std::vector<unsigned short> upperBones;
    std::vector<unsigned short> legBones;
};
