#include "player/Soldier.h"

#include "common/MediaContract.h"
#include "hud/GameHud.h"
#include "world/GameEventListener.h"
#include "world/Level.h"

#include <OgreAnimationState.h>
#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSceneQuery.h>
#include <OgreSkeletonInstance.h>

#include <iterator>

namespace {

using Media::legRunAnimation;
using Media::legStandAnimation;
using Media::upperHoldAnimation;
using Media::upperShootAnimation;
using namespace Media::ShootTimes;

// Where the soldier stands on the truck, in the truck node's axes.
const Ogre::Vector3 ridingOffset(0, 0, 15);
const Ogre::Real groundHeight = 0;
// Multiplied component by component, removes the vertical part.
const Ogre::Vector3 flattening(1, 0, 1);

// How far from the half-raised pose a reload may still leave the raise.
const Ogre::Real reloadJumpWindowHalfWidth = 0.1f;

// A ray result counts only strictly between these distances.
const Ogre::Real minHitDistance = 20;
const Ogre::Real maxHitDistance = 1000;
const Ogre::Real noHit = -1;
const unsigned short maxRayResults = 4;

// Told as a reload's animation passes them.
const struct {
    Ogre::Real time;
    GameEventListener::ReloadPoint point;
} reloadPoints[] = {{reloadRejoin, GameEventListener::Rejoin}, {magazineHome, GameEventListener::MagazineHome}};
const int reloadPointCount = static_cast<int>(std::size(reloadPoints));

} // namespace

Soldier::Soldier(Ogre::SceneManager* sceneManager, GameHud* hud, Level* level)
    // Until the camera hands over its position.
    : aimOrigin(Ogre::Vector3::ZERO)
    , upperBodyState(Hold)
    , previousUpperBodyState(Hold)
    , legState(Stand)
    , previousLegState(Stand)
    , upperBodyAction(Raise)
    , truckNode(nullptr)
    , riding(false)
    , hud(hud)
    , level(level)
    , events(nullptr)
    , reloadUntold(false)
    , nextReloadPoint(reloadPointCount)
{
    entity = sceneManager->createEntity("player", Media::soldierMesh);
    node = sceneManager->getRootSceneNode()->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    node->attachObject(entity);
    // Legs and upper body play together, each at full weight.
    entity->getSkeleton()->setBlendMode(Ogre::ANIMBLEND_CUMULATIVE);

    legAnimation = entity->getAnimationState(legStandAnimation);
    upperBodyAnimation = entity->getAnimationState(upperHoldAnimation);
    // Both loop at full weight, as animation states do unless told otherwise; only "up_shoot" is made a one-shot.
    legAnimation->setEnabled(true);
    upperBodyAnimation->setEnabled(true);

    Ogre::Entity* rifle = sceneManager->createEntity("weapon", Media::rifleMesh);
    handNode = node->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    Ogre::SceneNode* rifleNode = handNode->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    // A fixed quarter turn about the hand's X axis.
    rifleNode->rotate(Ogre::Vector3::UNIT_X, Ogre::Radian(Ogre::Degree(Media::rifleTurnDegrees)), Ogre::Node::TS_LOCAL);
    rifleNode->attachObject(rifle);

    aimDirection = node->getOrientation() * Ogre::Vector3::UNIT_Z;

    rayQuery = sceneManager->createRayQuery(Ogre::Ray(), 0xFFFFFFFF);
    rayQuery->setSortByDistance(true, maxRayResults);
}

void Soldier::setTruckNode(Ogre::SceneNode* truck)
{
    truckNode = truck;
}

Ogre::Vector3 Soldier::getAimDirection() const
{
    return aimDirection;
}

void Soldier::setAimDirection(const Ogre::Vector3& direction)
{
    aimDirection = direction.normalisedCopy();
}

void Soldier::setAimOrigin(const Ogre::Vector3& origin)
{
    aimOrigin = origin;
}

Ogre::Vector3 Soldier::getPosition() const
{
    return node->getPosition();
}

bool Soldier::isUpperBodyBusy() const
{
    return !upperBodyAnimation->getLoop() && !upperBodyAnimation->hasEnded();
}

void Soldier::update(Ogre::Real, Ogre::Real timeSinceLastFrame)
{
    faceAim();
    if (riding)
        node->setPosition(ridingSpot());
    const bool switching = upperBodyState != previousUpperBodyState || legState != previousLegState;
    if (switching)
        switchAnimations();
    if (reloadUntold)
        announceReloadBegun(switching);

    if (upperBodyState == Shoot)
        playShootPhase(timeSinceLastFrame);
    else
        upperBodyAnimation->addTime(timeSinceLastFrame);
    legAnimation->addTime(timeSinceLastFrame);

    // Requests last one frame, the upper body's until "up_shoot" has played.
    if (!isUpperBodyBusy())
        upperBodyState = Hold;
    legState = Stand;

    followHand();
}

void Soldier::move(Ogre::Real distance)
{
    if (isUpperBodyBusy())
        return;
    // Not normalised again: the steeper the aim, the shorter the step.
    node->translate(distance * aimDirection * flattening, Ogre::Node::TS_PARENT);
    upperBodyState = Hold;
    legState = Run;
}

void Soldier::setRiding(bool ride)
{
    if (ride && truckNode) {
        riding = true;
        return;
    }
    // Stepping off happens once: on the ground he stays where he is.
    if (!riding)
        return;
    riding = false;
    const Ogre::Vector3 spot = ridingSpot();
    node->setPosition(spot.x, groundHeight, spot.z);
    if (events)
        events->steppedOff();
}

void Soldier::setEventListener(GameEventListener* listener)
{
    events = listener;
}

bool Soldier::aim(bool pressed)
{
    if (upperBodyAction == Reload && upperBodyState == Shoot)
        return false;
    upperBodyState = Shoot;
    upperBodyAction = pressed ? Raise : Lower;
    return true;
}

void Soldier::fire(bool pressed)
{
    if (upperBodyAction == Reload || upperBodyState != Shoot)
        return;
    if (pressed && hud->magazine <= 0 && events)
        events->dryFired();
    upperBodyAction = pressed && fireRound() ? Firing : HoldAim;
}

void Soldier::reload()
{
    if (isUpperBodyBusy())
        return;
    upperBodyState = Shoot;
    upperBodyAction = Reload;
    hud->refillMagazine();
    hud->setMagazineVisible(false);
    reloadUntold = true;
}

void Soldier::shoot()
{
    // One ray for the whole game; each shot only aims it.
    static Ogre::Ray ray;
    if (events)
        events->shotFired(aimOrigin, aimDirection);
    ray.setOrigin(aimOrigin);
    ray.setDirection(aimDirection);
    rayQuery->setRay(ray);

    // Nearest first; the soldier and the truck close to the camera are passed over.
    Ogre::Real distance = noHit;
    for (const Ogre::RaySceneQueryResultEntry& result : rayQuery->execute()) {
        if (result.distance > minHitDistance && result.distance < maxHitDistance) {
            distance = result.distance;
            break;
        }
    }
    if (distance == noHit)
        return;

    const Ogre::Vector3 landingPoint = aimOrigin + distance * aimDirection;
    hud->hits += level->hitNearestTarget(landingPoint);
}

bool Soldier::fireRound()
{
    if (hud->magazine <= 0)
        return false;
    hud->magazine -= 1;
    shoot();
    return true;
}

Ogre::Vector3 Soldier::ridingSpot() const
{
    return truckNode->getPosition() + truckNode->getOrientation() * ridingOffset;
}

void Soldier::faceAim()
{
    // The node's -Z against the horizontal aim, so the mesh's +Z faces along it.
    const Ogre::Vector3 away = -aimDirection * flattening;
    // Straight up or down gives no heading: keep the current one.
    if (away.isZeroLength())
        return;
    node->setDirection(away, Ogre::Node::TS_WORLD, Ogre::Vector3::NEGATIVE_UNIT_Z);
}

void Soldier::switchAnimations()
{
    if (!upperBodyAnimation->getLoop() && upperBodyAnimation->hasEnded())
        upperBodyState = Hold;
    legAnimation->setEnabled(false);
    upperBodyAnimation->setEnabled(false);

    // Looping animations keep their time position and continue where they stopped.
    if (upperBodyState == Hold) {
        upperBodyAnimation = entity->getAnimationState(upperHoldAnimation);
    } else {
        upperBodyAnimation = entity->getAnimationState(upperShootAnimation);
        upperBodyAnimation->setTimePosition(0);
        upperBodyAnimation->setLoop(false);
    }
    legAnimation = entity->getAnimationState(legState == Run ? legRunAnimation : legStandAnimation);

    legAnimation->setEnabled(true);
    upperBodyAnimation->setEnabled(true);
    previousUpperBodyState = upperBodyState;
    previousLegState = legState;
}

void Soldier::playShootPhase(Ogre::Real dt)
{
    const Ogre::Real t = upperBodyAnimation->getTimePosition();
    switch (upperBodyAction) {
    case Raise:
        if (t < aimPose)
            upperBodyAnimation->addTime(dt);
        else
            upperBodyAction = HoldAim;
        break;
    case HoldAim:
        if (t != aimPose && t < recoilEnd)
            upperBodyAnimation->addTime(dt);
        else
            upperBodyAnimation->setTimePosition(aimPose);
        break;
    case Firing:
        // One shot per recoil cycle; the cycle plays at half speed.
        if (t > recoilEnd) {
            if (fireRound())
                upperBodyAnimation->setTimePosition(aimPose);
        } else {
            upperBodyAnimation->addTime(dt / 2);
        }
        break;
    case Lower:
        if (t < lowerStart)
            upperBodyAnimation->setTimePosition(lowerStart);
        upperBodyAnimation->addTime(dt);
        break;
    case Reload:
        if (Ogre::Math::Abs(t - reloadLeave) < reloadJumpWindowHalfWidth)
            upperBodyAnimation->setTimePosition(reloadRejoin);
        upperBodyAnimation->addTime(dt / 2);
        if (upperBodyAnimation->getTimePosition() >= magazineHome)
            hud->setMagazineVisible(true);
        announceReloadPoints();
        break;
    default:
        break;
    }
}

// The animation plays only if this frame's switch started "up_shoot" for the reload: a walking step in the
// same frame, or an "up_shoot" that had just ended, leaves the reload without one.
void Soldier::announceReloadBegun(bool switched)
{
    reloadUntold = false;
    const bool animated = switched && upperBodyState == Shoot && upperBodyAction == Reload;
    nextReloadPoint = animated ? 0 : reloadPointCount;
    if (events)
        events->reloadBegun(animated);
}

// Each point once, also when one long frame passes more than one.
void Soldier::announceReloadPoints()
{
    for (; nextReloadPoint < reloadPointCount; ++nextReloadPoint) {
        if (upperBodyAnimation->getTimePosition() < reloadPoints[nextReloadPoint].time)
            return;
        if (events)
            events->reloadReached(reloadPoints[nextReloadPoint].point);
    }
}

void Soldier::followHand()
{
    // The rifle shows as every entity does, nothing hides it. Derived bone pose is in the skeleton's space,
    // which is the soldier node's.
    const Ogre::Bone* hand = entity->getSkeleton()->getBone(Media::rifleHandBone);
    handNode->setPosition(hand->_getDerivedPosition());
    handNode->setOrientation(hand->_getDerivedOrientation());
}
