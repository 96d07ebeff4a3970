#include "mediagen/Rig.h"

#include <OgreAnimation.h>
#include <OgreBone.h>
#include <OgreKeyFrame.h>
#include <OgreResourceGroupManager.h>
#include <OgreSkeletonManager.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using Ogre::Quaternion;
using Ogre::Vector3;

unsigned short Rig::addBone(const std::string& name, const std::string& parent, const Vector3& offset)
{
    const int parentIndex = parent.empty() ? -1 : bone(parent);
    bones.push_back(Bone{name, parentIndex, offset});
    return static_cast<unsigned short>(bones.size() - 1);
}

unsigned short Rig::bone(const std::string& name) const
{
    for (size_t i = 0; i < bones.size(); ++i)
        if (bones[i].name == name)
            return static_cast<unsigned short>(i);
    throw std::out_of_range("Rig: no bone " + name);
}

Vector3 Rig::jointPosition(unsigned short index) const
{
    return place(restPose())[index].position;
}

Rig::Pose Rig::restPose() const
{
    Pose pose;
    pose.turns.assign(bones.size(), Quaternion::IDENTITY);
    return pose;
}

std::vector<Rig::Placement> Rig::place(const Pose& pose) const
{
    std::vector<Placement> placements(bones.size());
    for (size_t i = 0; i < bones.size(); ++i) {
        const Bone& each = bones[i];
        if (each.parent < 0) {
            placements[i] = {each.offset + pose.rootShift, pose.turns[i]};
        } else {
            const Placement& parent = placements[each.parent];
            placements[i] = {parent.position + parent.orientation * each.offset, parent.orientation * pose.turns[i]};
        }
    }
    return placements;
}

void Rig::reach(Pose& pose, const Limb& limb, const Vector3& target, const Quaternion& orientation,
    const Vector3& bendTowards) const
{
    const float upperLength = bones[limb.lower].offset.length();
    const float lowerLength = bones[limb.end].offset.length();
    const Placement shoulder = place(pose)[limb.upper];
    const Vector3 toTarget = target - shoulder.position;
    const float distance = std::clamp(toTarget.length(), std::fabs(upperLength - lowerLength) + 1e-3f,
        upperLength + lowerLength - 1e-3f);
    const Vector3 direction = toTarget.normalisedCopy();
    Vector3 bend = bendTowards - shoulder.position;
    bend = (bend - direction * bend.dotProduct(direction)).normalisedCopy();
    const float cosine = (upperLength * upperLength + distance * distance - lowerLength * lowerLength)
        / (2.0f * upperLength * distance);
    const float sine = std::sqrt(std::max(0.0f, 1.0f - cosine * cosine));
    const Vector3 elbow = shoulder.position + (direction * cosine + bend * sine) * upperLength;
    const Vector3 hand = shoulder.position + direction * distance;

    const Quaternion parentOrientation = shoulder.orientation * pose.turns[limb.upper].Inverse();
    pose.turns[limb.upper] = bones[limb.lower].offset.getRotationTo(parentOrientation.Inverse() * (elbow - shoulder.position));
    const Quaternion upperOrientation = parentOrientation * pose.turns[limb.upper];
    pose.turns[limb.lower] = bones[limb.end].offset.getRotationTo(upperOrientation.Inverse() * (hand - elbow));
    const Quaternion lowerOrientation = upperOrientation * pose.turns[limb.lower];
    pose.turns[limb.end] = lowerOrientation.Inverse() * orientation;
}

Ogre::SkeletonPtr Rig::build(const std::string& name) const
{
    Ogre::SkeletonPtr skeleton = Ogre::SkeletonManager::getSingleton().create(
        name, Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME, true);
    for (size_t i = 0; i < bones.size(); ++i) {
        Ogre::Bone* created = skeleton->createBone(bones[i].name, static_cast<unsigned short>(i));
        if (bones[i].parent >= 0)
            skeleton->getBone(static_cast<unsigned short>(bones[i].parent))->addChild(created);
        created->setPosition(bones[i].offset);
    }
    skeleton->setBindingPose();
    return skeleton;
}

void Rig::animate(Ogre::Skeleton& skeleton, const std::string& name, float length, float step,
    const std::vector<float>& extraTimes, const std::vector<unsigned short>& animated,
    const std::function<Pose(float)>& poseAt) const
{
    std::vector<float> times = extraTimes;
    const int steps = static_cast<int>(std::round(length / step));
    for (int i = 0; i <= steps; ++i)
        times.push_back(length * i / steps);
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end(), [](float a, float b) { return std::fabs(a - b) < 1e-4f; }),
        times.end());

    Ogre::Animation* animation = skeleton.createAnimation(name, length);
    animation->setInterpolationMode(Ogre::Animation::IM_LINEAR);
    std::vector<Ogre::NodeAnimationTrack*> tracks;
    for (unsigned short each : animated)
        tracks.push_back(animation->createNodeTrack(each, skeleton.getBone(each)));
    for (float time : times) {
        const Pose pose = poseAt(time);
        for (size_t i = 0; i < animated.size(); ++i) {
            Ogre::TransformKeyFrame* key = tracks[i]->createNodeKeyFrame(time);
            key->setRotation(pose.turns[animated[i]]);
            if (bones[animated[i]].parent < 0)
                key->setTranslate(pose.rootShift);
        }
    }
}
