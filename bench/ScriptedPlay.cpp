#include "ScriptedPlay.h"

#include "app/GameAssembly.h"
#include "input/PlayerController.h"
#include "player/Soldier.h"
#include "targets/AbstractTarget.h"
#include "targets/Crate.h"
#include "world/Level.h"

#include <algorithm>
#include <vector>

namespace {

// Frames of the session at 60 per second.
const int raiseRifle = 60;
const int startFiring = 90;
const int stopFiring = 150;
const int startSweep = 90;
const int sweepFrames = 240;
const int damageObjects = 200;
const int lowerRifle = 345;
const int stepOff = 360;
const int startWalking = 380;
const int startTurning = 450;
const int stopTurning = 510;

// One degree a frame takes ten counts; a full turn in the sweep's 240 frames takes fifteen.
const int sweepCountsPerFrame = 15;
const int walkingTurnCountsPerFrame = -12;

// Nearest objects to the player, of either kind, destroyed and cracked when the damage falls.
const size_t destroyedCount = 6;
const size_t crackedCount = 6;
const float hitAtCentre = 0;

// Hits a fresh object at its centre until its health is below half, or below zero.
void hitUntil(AbstractTarget* object, bool destroyed)
{
    // A crate cracks on its third hit and is destroyed on its sixth, a target on its sixth and twelfth.
    const int crackHits = dynamic_cast<Crate*>(object) ? 3 : 6;
    const int hits = destroyed ? crackHits * 2 : crackHits;
    for (int i = 0; i < hits; ++i)
        object->hit(hitAtCentre);
}

} // namespace

const char* const ScriptedPlay::partNames[PartCount] = {"riding, rifle carried", "rifle raised, firing, aim swept", "on foot"};

ScriptedPlay::Part ScriptedPlay::partOf(int frame)
{
    return frame < raiseRifle ? Riding : frame < stepOff ? RifleRaised : OnFoot;
}

void ScriptedPlay::beforeFrame(int frame, float frameTime)
{
    PlayerController* controller = gPlayerController;
    // An event holds its state by reference.
    OIS::MouseState state;
    const OIS::MouseEvent mouse(nullptr, state);
    auto turn = [&](int counts) {
        state.X.rel = counts;
        controller->handleMouseMoved(mouse);
    };
    if (frame == raiseRifle)
        controller->handleMousePressed(mouse, OIS::MB_Right);
    if (frame == startFiring)
        controller->handleMousePressed(mouse, OIS::MB_Left);
    if (frame == stopFiring)
        controller->handleMouseReleased(mouse, OIS::MB_Left);
    if (frame >= startSweep && frame < startSweep + sweepFrames)
        turn(sweepCountsPerFrame);
    if (frame == damageObjects)
        damageNearestObjects();
    if (frame == lowerRifle)
        controller->handleMouseReleased(mouse, OIS::MB_Right);
    if (frame == stepOff)
        controller->handleKeyPressed(OIS::KeyEvent(nullptr, OIS::KC_U, 0));
    if (frame == startWalking)
        keys.keys = {OIS::KC_W};
    if (frame >= startTurning && frame < stopTurning)
        turn(walkingTurnCountsPerFrame);
    controller->pollKeyboard(0, frameTime, &keys, nullptr);
}

void ScriptedPlay::damageNearestObjects()
{
    std::vector<AbstractTarget*> objects(gLevel->getTargets().begin(), gLevel->getTargets().end());
    const Ogre::Vector3 player = gPlayer->getPosition();
    std::sort(objects.begin(), objects.end(), [&](AbstractTarget* a, AbstractTarget* b) {
        return a->getCenter().squaredDistance(player) < b->getCenter().squaredDistance(player);
    });
    for (size_t i = 0; i < destroyedCount + crackedCount && i < objects.size(); ++i)
        hitUntil(objects[i], i < destroyedCount);
}
