// A skeleton in the making: bones with identity bind orientations, poses solved in model space,
// and animations sampled from pose functions into key frames.
#pragma once

#include <OgreQuaternion.h>
#include <OgreSkeleton.h>
#include <OgreVector.h>

#include <functional>
#include <string>
#include <vector>

class Rig {
public:
    struct Pose {
        std::vector<Ogre::Quaternion> turns; // each bone's rotation relative to its parent
        Ogre::Vector3 rootShift = Ogre::Vector3::ZERO;
    };
    struct Placement {
        Ogre::Vector3 position;
        Ogre::Quaternion orientation;
    };
    struct Limb {
        unsigned short upper;
        unsigned short lower;
        unsigned short end;
    };

    // The first bone is the root; parents come before their children. `offset` is from the parent's joint.
    unsigned short addBone(const std::string& name, const std::string& parent, const Ogre::Vector3& offset);
    unsigned short bone(const std::string& name) const;
    Ogre::Vector3 jointPosition(unsigned short bone) const;

    Pose restPose() const;
    std::vector<Placement> place(const Pose& pose) const;
    // Bends a two-bone limb so that its end bone sits at `target` with `orientation` (model space),
    // the middle joint bending towards `bendTowards`.
    void reach(Pose& pose, const Limb& limb, const Ogre::Vector3& target, const Ogre::Quaternion& orientation,
        const Ogre::Vector3& bendTowards) const;

    Ogre::SkeletonPtr build(const std::string& name) const;
    // Key frames at every `step` seconds and at the extra times, for the listed bones only.
    void animate(Ogre::Skeleton& skeleton, const std::string& name, float length, float step,
        const std::vector<float>& extraTimes, const std::vector<unsigned short>& bones,
        const std::function<Pose(float)>& poseAt) const;

private:
    struct Bone {
        std::string name;
        int parent;
        Ogre::Vector3 offset;
    };
    std::vector<Bone> bones;
};
