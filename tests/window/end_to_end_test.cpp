#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "targets/AbstractTarget.h"
#include "tests/window/XInput.h"
#include "world/Level.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OgreCamera.h>
#include <OgreRoot.h>
#include <OgreStringConverter.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace {

// The game's own loop, pass by pass, for a while of real time or until something holds.
bool playUntil(const std::function<bool()>& done, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        OgreBites::WindowEventUtilities::messagePump();
        gRoot->renderOneFrame();
    }
    return true;
}

void playFor(double seconds)
{
    playUntil([] { return false; }, seconds);
}

Ogre::String caption(const char* element)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(element)->getCaption();
}

bool shown(const char* element)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(element)->isVisible();
}

Ogre::String score()
{
    return Ogre::StringConverter::toString(gHud->hits, 4, 0, ' ', std::ios::fmtflags(0));
}

bool upperBodyFree()
{
    return !gPlayer->isUpperBodyBusy();
}

// As a steady hand on the mouse would: the aim follows the eye onto the target's centre.
void aimAt(const Ogre::Vector3& centre)
{
    for (int pass = 0; pass < 5; ++pass) {
        gPlayer->setAimDirection(centre - gCamera->getDerivedPosition());
        playFor(0.05);
    }
}

AbstractTarget* nearestTargetTo(const Ogre::Vector3& position)
{
    AbstractTarget* nearest = nullptr;
    for (AbstractTarget* object : gLevel->getTargets())
        if (!nearest || object->getCenter().distance(position) < nearest->getCenter().distance(position))
            nearest = object;
    return nearest;
}

// Raise, hold the trigger until the magazine is empty (or for a while), lower, wait.
void fireBurst(double seconds)
{
    sendInput("mousedown 3");
    playFor(1.0);
    sendInput("mousedown 1");
    playUntil([] { return gHud->magazine == 0; }, seconds);
    sendInput("mouseup 1");
    sendInput("mouseup 3");
    playUntil(upperBodyFree, 5);
}

void reload()
{
    sendInput("key r");
    playFor(0.3);
    playUntil(upperBodyFree, 5);
}

} // namespace

TEST(EndToEnd, RideStepOffWalkShootReloadAndSpendEveryRound)
{
    const GameRun scratch(true);
    scratch.enter();
    startEngine();
    assembleGame();
    playFor(1.0);
    EXPECT_FLOAT_EQ(gPlayer->getPosition().y, 12) << "rides on the deck";

    sendInput("key u");
    playFor(0.3);
    const Ogre::Vector3 steppedOff = gPlayer->getPosition();
    EXPECT_FLOAT_EQ(steppedOff.y, 0);
    sendInput("keydown w");
    playFor(1.5);
    sendInput("keyup w");
    playFor(0.3);
    EXPECT_GT(gPlayer->getPosition().distance(steppedOff), 10) << "walks while W is held";

    const Ogre::Vector3 target = nearestTargetTo(gPlayer->getPosition())->getCenter();
    sendInput("mousedown 3");
    playFor(1.0);
    aimAt(target);
    sendInput("mousedown 1");
    playFor(0.6);
    sendInput("mouseup 1");
    playFor(0.2);
    const int left = gHud->magazine;
    EXPECT_LT(left, 30);
    EXPECT_GT(gHud->hits, 0);
    EXPECT_EQ(caption("Magazine"), Ogre::StringConverter::toString(left));
    EXPECT_EQ(caption("Hits"), score());
    sendInput("mouseup 3");
    playUntil(upperBodyFree, 5);

    reload();
    EXPECT_EQ(gHud->magazine, 30);
    EXPECT_EQ(gHud->ammo, 300 - (30 - left));
    EXPECT_EQ(caption("Ammo"), Ogre::StringConverter::toString(gHud->ammo));

    // Slow frames (a loaded machine) fire more slowly: a burst may end early, the next goes on.
    for (int magazines = 0; magazines < 25 && (gHud->magazine > 0 || gHud->ammo > 0); ++magazines) {
        fireBurst(20);
        reload();
    }
    playFor(0.3);
    EXPECT_EQ(gHud->magazine, 0);
    EXPECT_EQ(gHud->ammo, 0);
    EXPECT_TRUE(shown("EndGame0"));
    EXPECT_TRUE(shown("EndGame1"));
    EXPECT_EQ(caption("EndGame0"), score());
}
