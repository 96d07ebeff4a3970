#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "app/mainFrameListener.h"
#include "hud/GameHud.h"
#include "input/InputHandler.h"
#include "input/PlayerController.h"
#include "player/Soldier.h"
#include "targets/MeshTarget.h"
#include "world/Level.h"

#include <OgreCamera.h>
#include <OgreRoot.h>

#include "tests/HeldKeys.h"

#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>
#include <string>

namespace {

#ifdef CORVANE_SANITIZE_BUILD
// Slower, and the address sanitizer holds freed memory back, so memory says nothing there.
const int soakFrames = 100000;
const bool memoryIsMeaningful = false;
#else
const int soakFrames = 1000000;
const bool memoryIsMeaningful = true;
#endif
const Ogre::Real frameTimes[] = {0.0f, 1e-6f, 1.0f / 60, 5.0f};

bool finite(const Ogre::Vector3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

Ogre::Real healthOf(AbstractTarget* target)
{
    return static_cast<MeshTarget*>(target)->getHealth();
}

} // namespace

// Random keys, buttons and motion through the real handler and controller, frame after frame
// at odd frame times: nothing may crash, turn NaN, or leave its bounds.
TEST(Soak, RandomInputForAMillionFrames)
{
    const GameRun scratch(true);
    scratch.enter();
    startEngine();
    assembleGame();
    mainFrameListener listener;
    std::mt19937 random(2026);
    HeldKeys held;
    const OIS::KeyCode keys[] = {OIS::KC_W, OIS::KC_S, OIS::KC_R, OIS::KC_U, OIS::KC_A, OIS::KC_SPACE};
    const std::deque<AbstractTarget*>& targets = gLevel->getTargets();
    std::vector<Ogre::Real> health;
    for (AbstractTarget* target : targets)
        health.push_back(healthOf(target));
    int ammo = gHud->ammo;
    Ogre::Real hits = gHud->hits;
    long memoryAfterWarmUp = 0;

    for (int frame = 0; frame < soakFrames; ++frame) {
        Ogre::FrameEvent event{};
        event.timeSinceLastFrame = frameTimes[random() % 4];
        switch (random() % 8) {
        case 0:
            gInputHandler->keyPressed(OIS::KeyEvent(nullptr, keys[random() % 6], 0));
            break;
        case 1:
            gInputHandler->mousePressed(OIS::MouseEvent(nullptr, OIS::MouseState()), OIS::MouseButtonID(random() % 3));
            break;
        case 2:
            gInputHandler->mouseReleased(OIS::MouseEvent(nullptr, OIS::MouseState()), OIS::MouseButtonID(random() % 3));
            break;
        case 3: {
            OIS::MouseState state;
            state.X.rel = int(random() % 2001) - 1000;
            state.Y.rel = int(random() % 2001) - 1000;
            gInputHandler->mouseMoved(OIS::MouseEvent(nullptr, state));
            break;
        }
        case 4:
            held.keys = {keys[random() % 2]};
            break;
        case 5:
            held.keys.clear();
            break;
        default:
            break;
        }
        gPlayerController->pollKeyboard(listener.getTotalTime(), event.timeSinceLastFrame, &held, nullptr);
        ASSERT_TRUE(listener.frameStarted(event));
        if (frame % 997 == 0)
            gRoot->renderOneFrame();

        ASSERT_TRUE(finite(gPlayer->getPosition())) << frame;
        ASSERT_TRUE(finite(gPlayer->getAimDirection())) << frame;
        ASSERT_NEAR(gPlayer->getAimDirection().length(), 1, 1e-3) << frame;
        ASSERT_TRUE(finite(gCamera->getDerivedPosition())) << frame;
        ASSERT_FALSE(gCamera->getDerivedOrientation().isNaN()) << frame;
        ASSERT_TRUE(finite(gLevel->getTruckNode()->getPosition())) << frame;
        ASSERT_GE(gHud->magazine, 0);
        ASSERT_LE(gHud->magazine, GameHud::MagazineCapacity);
        ASSERT_LE(gHud->ammo, ammo);
        ASSERT_GE(gHud->hits, hits);
        ammo = gHud->ammo;
        hits = gHud->hits;
        if (frame % 1000 == 0)
            for (size_t i = 0; i < targets.size(); ++i) {
                ASSERT_LE(healthOf(targets[i]), health[i]);
                health[i] = healthOf(targets[i]);
            }
        if (frame == soakFrames / 10)
            memoryAfterWarmUp = residentKilobytes();
    }
    if (memoryIsMeaningful) {
        EXPECT_LT(residentKilobytes() - memoryAfterWarmUp, 8 * 1024) << "resident memory grew";
    }
}
