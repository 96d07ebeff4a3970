#include "sound/GameSound.h"

#include "common/MediaContract.h"
#include "sound/SoundStage.h"
#include "targets/Crate.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

#include <cmath>

namespace {

using namespace Media::Sounds;

const float shotGain = 0.8f;
// +-2 dB and +-5 % a shot, so that automatic fire does not sound mechanical.
const float shotGainSpread = 2;
const float shotPitchSpread = 0.05f;
const float hitPitchSpread = 0.04f;

float fromDecibels(float decibels)
{
    return std::pow(10.0f, decibels / 20);
}

// Crates are wood; targets are painted boards.
Clip ofMaterial(const AbstractTarget* object, Clip wood, Clip board)
{
    return dynamic_cast<const Crate*>(object) ? wood : board;
}

} // namespace

GameSound::GameSound(SoundStage* stage, Ogre::Camera* camera, Ogre::SceneNode* truck)
    : stage(stage)
    , camera(camera)
    , truck(truck)
{
}

bool GameSound::frameRenderingQueued(const Ogre::FrameEvent&)
{
    stage->placeListener(camera->getDerivedPosition(), camera->getDerivedDirection(), camera->getDerivedUp());
    stage->placeEngine(truck->_getDerivedPosition());
    return true;
}

void GameSound::shotFired(const Ogre::Vector3&, const Ogre::Vector3&)
{
    const int variant = std::uniform_int_distribution<int>(0, shotVariants - 1)(random);
    stage->playNear(static_cast<Clip>(Shot0 + variant), shotGain * fromDecibels(vary(-shotGainSpread, shotGainSpread)),
        vary(1 - shotPitchSpread, 1 + shotPitchSpread));
}

void GameSound::dryFired()
{
    stage->playNear(Click);
}

// The magazine comes out as the animation starts. Without one the counters are simply full: only the new
// magazine is heard going in, and nothing of this reload follows.
void GameSound::reloadBegun(bool animated)
{
    stage->playNear(animated ? MagazineOut : MagazineIn);
}

// The new magazine goes in as the animation rejoins the lowering; the bolt closes once it is home.
void GameSound::reloadReached(ReloadPoint point)
{
    stage->playNear(point == Rejoin ? MagazineIn : Bolt);
}

void GameSound::targetHit(AbstractTarget* object, const Ogre::Vector3& landingPoint, Ogre::Real)
{
    const int variant = std::uniform_int_distribution<int>(0, hitVariants - 1)(random);
    stage->playAt(static_cast<Clip>(ofMaterial(object, WoodHit0, BoardHit0) + variant), landingPoint, 1,
        vary(1 - hitPitchSpread, 1 + hitPitchSpread));
}

void GameSound::targetCracked(AbstractTarget* object, const Ogre::Vector3& centre)
{
    stage->playAt(ofMaterial(object, WoodCrack, BoardCrack), centre);
}

void GameSound::targetDestroyed(AbstractTarget* object, const Ogre::Vector3& centre)
{
    stage->playAt(ofMaterial(object, WoodBreak, BoardBreak), centre);
}

void GameSound::steppedOff()
{
    stage->playNear(StepOff);
}

float GameSound::vary(float low, float high)
{
    return std::uniform_real_distribution<float>(low, high)(random);
}
