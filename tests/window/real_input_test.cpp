#include "app/Startup.h"
#include "hud/GameHud.h"
#include "input/InputHandler.h"
#include "input/PlayerController.h"
#include "input/ThirdPersonCamera.h"
#include "player/Soldier.h"
#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"
#include "world/Level.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

// The real handler, noting what OIS delivers before passing it on.
class RecordingInput : public InputHandler {
public:
    using InputHandler::InputHandler;

    std::vector<std::string> seen;
    int motionX = 0;
    int motionY = 0;

    bool keyPressed(const OIS::KeyEvent& event) override
    {
        seen.push_back("key " + std::to_string(event.key));
        return InputHandler::keyPressed(event);
    }
    bool mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID button) override
    {
        seen.push_back("press " + std::to_string(button));
        return InputHandler::mousePressed(event, button);
    }
    bool mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID button) override
    {
        seen.push_back("release " + std::to_string(button));
        return InputHandler::mouseReleased(event, button);
    }
    bool mouseMoved(const OIS::MouseEvent& event) override
    {
        motionX += event.state.X.rel;
        motionY += event.state.Y.rel;
        return InputHandler::mouseMoved(event);
    }
};

struct Game {
    GameHud hud;
    Level level{gSceneManager};
    Soldier soldier{gSceneManager, &hud, &level};
    Ogre::Camera* camera = gSceneManager->createCamera("Main Camera");
    ThirdPersonCamera follow;
    PlayerController controller{&soldier, &follow, &hud};
    RecordingInput input{gRenderWindow};
    Ogre::Real totalTime = 0;

    Game()
    {
        follow.setCamera(camera);
        follow.setTarget(&soldier);
        input.setController(&controller);
    }

    // Frames of fixed length, with a little real time for the X server to deliver.
    void frames(int count, Ogre::Real dt)
    {
        for (int i = 0; i < count; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            OgreBites::WindowEventUtilities::messagePump();
            totalTime += dt;
            soldier.update(totalTime, dt);
            follow.update(totalTime, dt);
            input.capture(totalTime, dt);
            hud.update(totalTime, dt);
        }
    }
};

} // namespace

TEST(RealInput, XEventsReachTheHandlerInOrder)
{
    const GameRun scratch(true);
    scratch.enter();
    startEngine();
    // Like the game's own objects, these live until the process ends.
    static Game* const kept = new Game();
    Game& game = *kept;
    game.frames(5, 0);

    // A held W walks the soldier forward at 30 units a second while it is down.
    sendInput("keydown w");
    game.frames(10, 0.1f);
    sendInput("keyup w");
    game.frames(3, 0.1f);
    const Ogre::Real walked = game.soldier.getPosition().z;
    EXPECT_GT(walked, 20);
    EXPECT_LE(walked, 39.0001f);

    game.hud.magazine = 3;
    sendInput("key r");
    sendInput("click 3");
    sendInput("click 1");
    sendInput("mousemove_relative -- 15 -7");
    game.frames(10, 0.01f);
    const std::vector<std::string> expected = {
        "key " + std::to_string(OIS::KC_W), "key " + std::to_string(OIS::KC_R),
        "press " + std::to_string(OIS::MB_Right), "release " + std::to_string(OIS::MB_Right),
        "press " + std::to_string(OIS::MB_Left), "release " + std::to_string(OIS::MB_Left)};
    EXPECT_EQ(game.input.seen, expected);
    EXPECT_EQ(game.hud.magazine, 30);  // R reloaded
    // OIS warps the pointer, so relative counts arrive roughly.
    EXPECT_NEAR(game.input.motionX, 15, 2);
    EXPECT_NEAR(game.input.motionY, -7, 2);
}

TEST(RealInput, HeldEscapeEndsTheGameAndFreesTheInput)
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
