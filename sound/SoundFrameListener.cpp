#include "sound/SoundFrameListener.h"

#include "common/MediaContract.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "sound/SoundStage.h"
#include "targets/Crate.h"
#include "world/Level.h"

#include <OgreAnimationState.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreSceneNode.h>

#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <cmath>

namespace {

// A reload rejoins "up_shoot" here, reaching for the new magazine.
const Ogre::Real magazineInTime = Media::ShootTimes::reloadRejoin;
const float shotGain = 0.8f;
// +-2 dB and +-5 % a shot, so that automatic fire does not sound mechanical.
const float shotGainSpread = 2;
const float shotPitchSpread = 0.05f;
const float hitPitchSpread = 0.04f;

float fromDecibels(float decibels)
{
    return std::pow(10.0f, decibels / 20);
}

} // namespace

SoundFrameListener::SoundFrameListener(SoundStage* stage, GameHud* hud, Level* level, Soldier* soldier,
    Ogre::Entity* soldierEntity, Ogre::Camera* camera)
    : stage(stage)
    , hud(hud)
    , soldier(soldier)
    , truck(level->getTruckNode())
    , shootAnimation(soldierEntity->getAnimationState(Media::upperShootAnimation))
    , magazineCount(Ogre::OverlayManager::getSingleton().getOverlayElement("Magazine"))
    , camera(camera)
    , rounds(hud->magazine + hud->ammo)
    , magazineShown(magazineCount->isVisible())
    , magazineInDue(false)
{
    for (AbstractTarget* object : level->getTargets()) {
        MeshTarget* target = dynamic_cast<MeshTarget*>(object);
        if (target)
            watched.push_back({target, target->getHealth(), dynamic_cast<Crate*>(object) == nullptr});
    }
}

bool SoundFrameListener::frameRenderingQueued(const Ogre::FrameEvent&)
{
    stage->placeListener(camera->getDerivedPosition(), camera->getDerivedDirection(), camera->getDerivedUp());
    stage->placeEngine(truck->_getDerivedPosition());
    playShots();
    playReload();
    playHits();
    return true;
}

void SoundFrameListener::dryFire()
{
    stage->playNear(Media::Sounds::Click);
}

// A shot takes a round; a reload only moves rounds from the reserve into the magazine.
void SoundFrameListener::playShots()
{
    const int left = hud->magazine + hud->ammo;
    for (; rounds > left; --rounds) {
        const int variant = std::uniform_int_distribution<int>(0, Media::Sounds::shotVariants - 1)(random);
        stage->playNear(static_cast<Media::Sounds::Clip>(Media::Sounds::Shot0 + variant),
            shotGain * fromDecibels(vary(-shotGainSpread, shotGainSpread)), vary(1 - shotPitchSpread, 1 + shotPitchSpread));
    }
    rounds = left;
}

// The HUD hides the magazine count for the length of a reload: out as it hides, in when the animation
// puts it in, the bolt as the count shows again.
void SoundFrameListener::playReload()
{
    const bool shown = magazineCount->isVisible();
    if (magazineShown && !shown) {
        stage->playNear(Media::Sounds::MagazineOut);
        magazineInDue = true;
    }
    if (magazineInDue && !shown && shootAnimation->getEnabled() && shootAnimation->getTimePosition() >= magazineInTime) {
        stage->playNear(Media::Sounds::MagazineIn);
        magazineInDue = false;
    }
    if (!magazineShown && shown) {
        stage->playNear(Media::Sounds::Bolt);
        magazineInDue = false;
    }
    magazineShown = shown;
}

void SoundFrameListener::playHits()
{
    for (Watched& target : watched) {
        const Ogre::Real health = target.object->getHealth();
        if (health == target.health)
            continue;
        const Ogre::Real half = target.object->getMaxHealth() / 2;
        const Ogre::Vector3 point = hitPoint(target.object);
        const int variant = std::uniform_int_distribution<int>(0, Media::Sounds::hitVariants - 1)(random);
        const int first = target.board ? Media::Sounds::BoardHit0 : Media::Sounds::WoodHit0;
        stage->playAt(static_cast<Media::Sounds::Clip>(first + variant), point, 1, vary(1 - hitPitchSpread, 1 + hitPitchSpread));
        if (target.health >= half && health < half && health >= 0)
            stage->playAt(target.board ? Media::Sounds::BoardCrack : Media::Sounds::WoodCrack, point);
        if (target.health >= 0 && health < 0)
            stage->playAt(target.board ? Media::Sounds::BoardBreak : Media::Sounds::WoodBreak, point);
        target.health = health;
    }
}

Ogre::Vector3 SoundFrameListener::hitPoint(MeshTarget* object) const
{
    const Ogre::Vector3 centre = object->getCenter();
    const Ogre::Vector3 origin = soldier->getAimOrigin();
    const Ogre::Vector3 aim = soldier->getAimDirection();
    const Ogre::Vector3 onAim = origin + aim * aim.dotProduct(centre - origin);
    return onAim.distance(centre) < object->getRadius() ? onAim : centre;
}

float SoundFrameListener::vary(float low, float high)
{
    return std::uniform_real_distribution<float>(low, high)(random);
}
