#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "app/mainFrameListener.h"
#include "hud/GameHud.h"
#include "input/InputHandler.h"
#include "input/PlayerController.h"
#include "player/Soldier.h"
#include "world/Level.h"

#include "tests/HeldKeys.h"
#include "tests/window/GameRun.h"

#include <Ogre.h>

#include <gtest/gtest.h>

#include <random>

#include <sys/resource.h>

namespace {

const int soakFrames = sanitizerBuild ? 100000 : 1000000;
const Ogre::Real frameTimes[] = {0.0f, 1e-6f, 1.0f / 60, 5.0f};

// The most memory the process has held so far.
long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// Random keys, buttons and motion through the real handler and controller, frame after frame
// at odd frame times: nothing may crash, turn NaN, or leave its bounds.
TEST(Soak, RandomInputForAMillionFrames)
{
    const GameRun scratch;
    scratch.startEngineHere();
    assembleGame();
    mainFrameListener listener;
    std::mt19937 random(2026);
    HeldKeys held;
    const OIS::KeyCode keys[] = {OIS::KC_W, OIS::KC_S, OIS::KC_R, OIS::KC_U, OIS::KC_A, OIS::KC_SPACE};
    int ammo = gHud->ammo;
    Ogre::Real hits = gHud->hits;
    long memoryAfterWarmUp = 0;

    for (int frame = 0; frame < soakFrames; ++frame) {
        Ogre::FrameEvent event{0, frameTimes[random() % 4]};
        const auto choice = random() % 8;
        OIS::MouseState motion;
        motion.X.rel = int(random() % 2001) - 1000, motion.Y.rel = int(random() % 2001) - 1000;
        const auto button = OIS::MouseButtonID(random() % 3);
        switch (choice) {
        case 0: gInputHandler->keyPressed(OIS::KeyEvent(nullptr, keys[random() % 6], 0)); break;
        case 1: gInputHandler->mousePressed(OIS::MouseEvent(nullptr, OIS::MouseState()), button); break;
        case 2: gInputHandler->mouseReleased(OIS::MouseEvent(nullptr, OIS::MouseState()), button); break;
        case 3: gInputHandler->mouseMoved(OIS::MouseEvent(nullptr, motion)); break;
        case 4: held.keys = {keys[random() % 2]}; break;
        case 5: held.keys.clear(); break;
        }
        gPlayerController->pollKeyboard(listener.getTotalTime(), event.timeSinceLastFrame, &held, nullptr);
        ASSERT_TRUE(listener.frameStarted(event));
        // Now and then a drawn frame; drawing would be nearly all of the test's time.
        if (frame % 9973 == 0)
            gRoot->renderOneFrame();

        const Ogre::Vector3 positions = gPlayer->getPosition() + gCamera->getDerivedPosition() + gLevel->getTruckNode()->getPosition();
        ASSERT_TRUE(std::isfinite(positions.length()) && !gCamera->getDerivedOrientation().isNaN()) << frame;
        ASSERT_NEAR(gPlayer->getAimDirection().length(), 1, 1e-3) << frame;
        ASSERT_TRUE(gHud->magazine >= 0 && gHud->magazine <= GameHud::MagazineCapacity && gHud->ammo <= ammo
            && gHud->hits >= hits) << frame;
        ammo = gHud->ammo, hits = gHud->hits;
        if (frame == soakFrames / 10)
            memoryAfterWarmUp = peakResidentKilobytes();
    }
    // Memory says nothing where freed memory is held back.
    EXPECT_TRUE(sanitizerBuild || peakResidentKilobytes() - memoryAfterWarmUp < 8 * 1024) << "resident memory grew";
}
