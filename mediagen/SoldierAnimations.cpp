#include "mediagen/SoldierAnimations.h"

#include "common/MediaContract.h"
#include "mediagen/RifleModel.h"

#include <algorithm>
#include <cmath>

using Ogre::Degree;
using Ogre::Quaternion;
using Ogre::Vector3;

namespace {

const float twoPi = 6.28318530718f;

const Quaternion rifleTurn(Degree(Media::rifleTurnDegrees), Vector3::UNIT_X);

// Elbows bend down and outwards.
const Vector3 rightElbowTowards(-3.4f, 6.5f, -0.8f);
const Vector3 leftElbowTowards(2.0f, 5.8f, 1.2f);

using namespace Media::ShootTimes;
const float recoilPeak = 0.775f;
const float shootLength = 2.2f;
const float holdLength = 3.2f;
const float standLength = 3.2f;
const float runLength = 0.8f;
const float shootStep = 1.0f / 30.0f;
const float loopStep = 1.0f / 15.0f;

Quaternion euler(const Vector3& degrees)
{
    return Quaternion(Degree(degrees.y), Vector3::UNIT_Y) * Quaternion(Degree(degrees.x), Vector3::UNIT_X)
        * Quaternion(Degree(degrees.z), Vector3::UNIT_Z);
}

// An orientation whose +Z runs along `forward` and whose +Y leans towards `up`.
Quaternion pointing(const Vector3& forward, const Vector3& up)
{
    const Vector3 z = forward.normalisedCopy();
    const Vector3 x = up.crossProduct(z).normalisedCopy();
    return Quaternion(x, z.crossProduct(x), z);
}

float ease(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

// Rifle carried low across the body, muzzle down and to the left.
const Vector3 carryGrip(-1.05f, 7.7f, 1.45f);
const Quaternion carryRifle = pointing({0.5f, -0.45f, 0.74f}, Vector3::UNIT_Y);
// Half raised, muzzle low: the raise passes it at 0.5 and the lowering at 1.5, where a reload rejoins.
const Vector3 readyGrip(-1.25f, 9.0f, 1.9f);
const Quaternion readyRifle = pointing({0.12f, -0.34f, 0.93f}, Vector3::UNIT_Y);
// Butt at the right shoulder, rifle level along +Z.
const Vector3 aimGrip(-1.3f, 9.95f, 1.7f);
// Canted to the left so the magazine well faces the other hand.
const Vector3 reloadGrip(-1.2f, 8.9f, 1.8f);
const Quaternion reloadRifle = pointing({0.25f, -0.25f, 0.93f}, {0.5f, 0.85f, 0.0f});
const Vector3 pouch(0.55f, 8.6f, 1.35f);

} // namespace

SoldierAnimations::SoldierAnimations(const Rig& rig) : rig(rig)
{
    for (const char* name : {"spine", "chest", "neck", "head", "upperarm_l", "forearm_l", "hand_l", "upperarm_r",
             "forearm_r", Media::rifleHandBone})
        upperBones.push_back(rig.bone(name));
    for (const char* name : {"root", "thigh_l", "shin_l", "foot_l", "thigh_r", "shin_r", "foot_r"})
        legBones.push_back(rig.bone(name));
}

SoldierAnimations::Stance SoldierAnimations::blend(const Stance& from, const Stance& to, float weight)
{
    Stance mixed;
    mixed.grip = from.grip + (to.grip - from.grip) * weight;
    mixed.rifle = Quaternion::Slerp(weight, from.rifle, to.rifle, true);
    mixed.otherHold = from.otherHold + (to.otherHold - from.otherHold) * weight;
    mixed.otherFree = from.otherFree + (to.otherFree - from.otherFree) * weight;
    mixed.otherReach = from.otherReach + (to.otherReach - from.otherReach) * weight;
    mixed.spine = from.spine + (to.spine - from.spine) * weight;
    mixed.chest = from.chest + (to.chest - from.chest) * weight;
    mixed.head = from.head + (to.head - from.head) * weight;
    return mixed;
}

SoldierAnimations::Stance SoldierAnimations::stanceAt(const Timeline& timeline, float time)
{
    if (time <= timeline.front().first)
        return timeline.front().second;
    for (size_t i = 1; i < timeline.size(); ++i) {
        if (time <= timeline[i].first) {
            const float start = timeline[i - 1].first;
            const float weight = (time - start) / (timeline[i].first - start);
            return blend(timeline[i - 1].second, timeline[i].second, ease(weight));
        }
    }
    return timeline.back().second;
}

std::vector<float> SoldierAnimations::keyTimes(const Timeline& timeline)
{
    std::vector<float> times;
    for (const auto& key : timeline)
        times.push_back(key.first);
    return times;
}

Rig::Pose SoldierAnimations::upperPose(const Stance& stance) const
{
    Rig::Pose pose = rig.restPose();
    pose.turns[rig.bone("spine")] = euler(stance.spine);
    pose.turns[rig.bone("chest")] = euler(stance.chest);
    pose.turns[rig.bone("head")] = euler(stance.head);
    const Rig::Limb right{rig.bone("upperarm_r"), rig.bone("forearm_r"), rig.bone(Media::rifleHandBone)};
    const Rig::Limb left{rig.bone("upperarm_l"), rig.bone("forearm_l"), rig.bone("hand_l")};
    rig.reach(pose, right, stance.grip, stance.rifle, rightElbowTowards);
    const Vector3 hold = stance.grip + stance.rifle * (rifleTurn * stance.otherHold);
    const Vector3 other = hold + (stance.otherReach - hold) * stance.otherFree;
    rig.reach(pose, left, other, stance.rifle, leftElbowTowards);
    return pose;
}

Rig::Pose SoldierAnimations::legPose(const LegMotion& motion) const
{
    Rig::Pose pose = rig.restPose();
    pose.rootShift = Vector3(0, motion.bob, 0);
    pose.turns[rig.bone("root")] = euler({motion.lean, motion.twist, 0});
    const struct {
        const char* thigh;
        const char* shin;
        const char* foot;
        float phase;
    } legs[] = {{"thigh_l", "shin_l", "foot_l", 0.0f}, {"thigh_r", "shin_r", "foot_r", 0.5f}};
    for (const auto& leg : legs) {
        const float angle = twoPi * (motion.stride + leg.phase);
        const float swing = -38.0f * motion.strideSize * std::sin(angle);
        const float lift = motion.strideSize * (10.0f + 60.0f * std::pow(0.5f + 0.5f * std::cos(angle), 2.0f));
        const float thigh = -motion.lean + swing - 3.0f * motion.crouch;
        const float shin = lift + 6.0f * motion.crouch;
        pose.turns[rig.bone(leg.thigh)] = euler({thigh, 0, 0});
        pose.turns[rig.bone(leg.shin)] = euler({shin, 0, 0});
        pose.turns[rig.bone(leg.foot)] = euler({-(thigh + shin) * 0.35f - 3.0f * motion.crouch, 0, 0});
    }
    return pose;
}

void SoldierAnimations::addTo(Ogre::Skeleton& skeleton) const
{
    const Stance carry{carryGrip, carryRifle, RifleModel::handguardHold, 0.0f, pouch, {0, -8, 0}, {2, -6, 0},
        {0, 12, 0}};
    Stance ready{readyGrip, readyRifle, RifleModel::handguardHold, 0.0f, pouch, {1, -8, 0}, {3, -20, 0},
        {5, 24, 0}};
    Stance aim{aimGrip, Quaternion::IDENTITY, RifleModel::handguardHold, 0.0f, pouch, {2, -12, 0}, {4, -20, 0},
        {10, 30, 0}};
    Stance recoil = aim;
    recoil.grip += Vector3(0, 0.1f, -0.35f);
    recoil.rifle = Quaternion(Degree(-5), Vector3::UNIT_X);
    recoil.chest.x = 0.5f;
    Stance canted = ready;
    canted.grip = reloadGrip;
    canted.rifle = reloadRifle;
    canted.head = {14, 20, 0};
    Stance magazineOut = canted;
    magazineOut.otherHold = RifleModel::magazineHold;
    Stance atPouch = magazineOut;
    atPouch.otherFree = 1.0f;
    Stance magazineHome = magazineOut;
    magazineHome.otherHold = RifleModel::magazineHold + Vector3(0, 0, -0.25f);

    const Timeline shoot = {{0.0f, carry}, {reloadLeave, ready}, {aimPose, aim}, {recoilPeak, recoil}, {recoilEnd, aim},
        {lowerStart, aim}, {reloadRejoin, ready}, {1.58f, magazineOut}, {1.66f, atPouch}, {1.74f, magazineOut},
        {Media::ShootTimes::magazineHome, magazineHome}, {1.92f, ready}, {shootLength, carry}};
    rig.animate(skeleton, Media::upperShootAnimation, shootLength, shootStep, keyTimes(shoot), upperBones,
        [&](float time) { return upperPose(stanceAt(shoot, time)); });

    rig.animate(skeleton, Media::upperHoldAnimation, holdLength, loopStep, {}, upperBones, [&](float time) {
        const float breath = std::sin(twoPi * time / holdLength);
        Stance breathing = carry;
        breathing.chest.x += 1.2f * breath;
        breathing.head.x -= 1.0f * breath;
        breathing.grip.y += 0.05f * breath;
        return upperPose(breathing);
    });

    rig.animate(skeleton, Media::legStandAnimation, standLength, loopStep, {}, legBones, [&](float time) {
        const float breath = 0.5f - 0.5f * std::cos(twoPi * time / standLength);
        return legPose({0.0f, 0.0f, breath, 0.0f, 0.0f, -0.04f * breath});
    });

    rig.animate(skeleton, Media::legRunAnimation, runLength, loopStep / 2, {}, legBones, [&](float time) {
        const float stride = time / runLength;
        const float angle = twoPi * stride;
        return legPose({stride, 1.0f, 0.0f, 7.0f, 6.0f * std::sin(angle), 0.2f * std::cos(2.0f * angle) - 0.15f});
    });
}
