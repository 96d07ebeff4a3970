#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "targets/AbstractTarget.h"
#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"
#include "world/Level.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OgreCamera.h>
#include <OgreFrameListener.h>
#include <OgreRoot.h>
#include <OgreStringConverter.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <functional>
#include <future>

namespace {

// The game's own loop at a fixed frame time, so that the test's pace does not depend on the
// machine's, until something holds or for at most a number of frames. Drawing is what costs
// time here: every tenth frame is drawn, the others only run the game's frame update.
bool playUntil(const std::function<bool()>& done, int frames)
{
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0.2f;
    for (int frame = 0; frame < frames && !done(); ++frame) {
        OgreBites::WindowEventUtilities::messagePump();
        frame % 10 == 0 ? gRoot->renderOneFrame(event.timeSinceLastFrame) : gRoot->_fireFrameStarted(event);
    }
    return done();
}

void play(int frames)
{
    playUntil([] { return false; }, frames);
}

bool shown(const char* element)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(element)->isVisible();
}

Ogre::String caption(const char* element)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(element)->getCaption();
}

Ogre::String score()
{
    return Ogre::StringConverter::toString(gHud->hits, 4, 0, ' ', std::ios::fmtflags(0));
}

const auto upperBodyFree = [] { return !gPlayer->isUpperBodyBusy(); };

// Presses (or releases) a button and lets the game see it.
void mouse(const char* action, int button)
{
    sendInput(std::string(action) + " " + std::to_string(button));
    play(2);
}

Ogre::Vector3 nearestTargetCentre()
{
    const auto& objects = gLevel->getTargets();
    return (*std::min_element(objects.begin(), objects.end(), [](AbstractTarget* a, AbstractTarget* b) {
        return a->getCenter().distance(gPlayer->getPosition()) < b->getCenter().distance(gPlayer->getPosition());
    }))->getCenter();
}

void reload()
{
    sendInput("key r");
    play(2);
    ASSERT_TRUE(playUntil(upperBodyFree, 100));
}

} // namespace

TEST(EndToEnd, RideStepOffWalkTurnShootReloadAndSpendEveryRound)
{
    const GameRun scratch(true);
    scratch.enter();
    startEngine();
    assembleGame();
    play(5);
    EXPECT_FLOAT_EQ(gPlayer->getPosition().y, 12) << "rides on the deck";

    sendInput("key u");
    ASSERT_TRUE(playUntil([] { return gPlayer->getPosition().y == 0; }, 20)) << "steps off";
    const Ogre::Vector3 steppedOff = gPlayer->getPosition();
    sendInput("keydown w");
    play(10);
    sendInput("keyup w");
    play(3);
    EXPECT_GT(gPlayer->getPosition().distance(steppedOff), 10) << "walks while W is held";

    const Ogre::Vector3 aim = gPlayer->getAimDirection();
    sendInput("mousemove_relative -- 100 0");
    ASSERT_TRUE(playUntil([&] { return gPlayer->getAimDirection() != aim; }, 20));
    EXPECT_GT(gPlayer->getAimDirection().crossProduct(aim).y, 0) << "the mouse to the right turns the aim right";

    // As a steady hand on the mouse would: the aim follows the eye onto the target's centre.
    const Ogre::Vector3 target = nearestTargetCentre();
    mouse("mousedown", 3);
    for (int pass = 0; pass < 5; ++pass) {
        gPlayer->setAimDirection(target - gCamera->getDerivedPosition());
        play(1);
    }
    mouse("mousedown", 1);
    play(4);
    mouse("mouseup", 1);
    const int left = gHud->magazine;
    EXPECT_TRUE(left < 30 && gHud->hits > 0);
    EXPECT_EQ(caption("Magazine") + " " + caption("Hits"), Ogre::StringConverter::toString(left) + " " + score());
    mouse("mouseup", 3);
    ASSERT_TRUE(playUntil(upperBodyFree, 100));

    reload();
    EXPECT_TRUE(gHud->magazine == 30 && gHud->ammo == 300 - (30 - left));
    EXPECT_EQ(caption("Ammo"), Ogre::StringConverter::toString(gHud->ammo));

    for (int magazines = 0; magazines < 12 && (gHud->magazine > 0 || gHud->ammo > 0); ++magazines) {
        mouse("mousedown", 3);
        mouse("mousedown", 1);
        EXPECT_TRUE(playUntil([] { return gHud->magazine == 0; }, 200));
        mouse("mouseup", 1);
        mouse("mouseup", 3);
        ASSERT_TRUE(playUntil(upperBodyFree, 100));
        reload();
    }
    play(1);
    EXPECT_TRUE(gHud->magazine == 0 && gHud->ammo == 0 && shown("EndGame0") && shown("EndGame1"));
    EXPECT_EQ(caption("EndGame0"), score());
}

TEST(EndToEnd, HeldEscapeEndsTheGameAndFreesTheInput)
{
    GameRun game(true);
    auto finished = std::async(std::launch::async, [&] { return game.run(); });
    ASSERT_NE(waitForWindow("Corvane", 20), 0u);
    const auto gameEnded = [&] { return finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
    ASSERT_TRUE(pressEscapeUntil(gameEnded, 30));
    const GameRunResult result = finished.get();
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
    EXPECT_TRUE(inputIsFree());
}
