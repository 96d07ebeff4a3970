#include "hud/GameHud.h"
#include "input/PlayerController.h"
#include "input/ThirdPersonCamera.h"
#include "player/Soldier.h"
#include "tests/headless/HeadlessEngine.h"
#include "tests/headless/SharedLevel.h"

#include <OgreCamera.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include "tests/HeldKeys.h"

#include <gtest/gtest.h>

#include <set>

namespace {

Ogre::SceneManager* freshScene()
{
    headlessScene();
    return Ogre::Root::getSingleton().createSceneManager("DefaultSceneManager");
}

// The soldier, his HUD, the follow camera and the controller, in a scene of their own.
struct Rig {
    Ogre::SceneManager* scene = freshScene();
    GameHud hud;
    Soldier soldier{scene, &hud, sharedLevel()};
    Ogre::Camera* camera = scene->createCamera("Main Camera");
    ThirdPersonCamera follow;
    PlayerController controller{&soldier, &follow, &hud};
    Ogre::Real totalTime = 0;

    Rig()
    {
        follow.setCamera(camera);
        follow.setTarget(&soldier);
    }

    void frames(int count, Ogre::Real dt = 0.05f)
    {
        for (int i = 0; i < count; ++i) {
            totalTime += dt;
            soldier.update(totalTime, dt);
            follow.update(totalTime, dt);
            hud.update(totalTime, dt);
        }
    }

    Ogre::Vector3 eye() const
    {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        return camera->getPosition();
#pragma GCC diagnostic pop
    }

    void press(OIS::KeyCode key) { controller.handleKeyPressed(OIS::KeyEvent(nullptr, key, 0)); }
    void button(OIS::MouseButtonID id, bool down)
    {
        const OIS::MouseEvent event(nullptr, OIS::MouseState());
        down ? controller.handleMousePressed(event, id) : controller.handleMouseReleased(event, id);
    }
    void motion(int dx, int dy)
    {
        OIS::MouseState state;
        state.X.rel = dx;
        state.Y.rel = dy;
        controller.handleMouseMoved(OIS::MouseEvent(nullptr, state));
    }
};

bool crosshairShown()
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement("Cross")->isVisible();
}

bool isFinite(const Ogre::Vector3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

TEST(FollowCamera, StandsBehindOrOverTheRightShoulder)
{
    Rig rig;
    EXPECT_EQ(rig.eye(), Ogre::Vector3(0, 5, -35));
    EXPECT_EQ(rig.camera->getDerivedDirection(), Ogre::Vector3::UNIT_Z);

    rig.soldier.move(10);
    rig.frames(1, 0);
    const Ogre::Vector3 p = rig.soldier.getPosition();
    EXPECT_EQ(p, Ogre::Vector3(0, 0, 10));
    EXPECT_EQ(rig.eye(), p + Ogre::Vector3(0, 15, -35));
    rig.follow.setAiming(true);
    rig.frames(1, 0);
    EXPECT_EQ(rig.eye(), p + Ogre::Vector3(-4, 10, -10));
    EXPECT_EQ(rig.soldier.getAimOrigin(), rig.eye());
    rig.follow.setAiming(false);
    rig.frames(1, 0);
    EXPECT_EQ(rig.eye(), p + Ogre::Vector3(0, 15, -35));

    // Nothing is placed while the camera or the target is missing.
    ThirdPersonCamera lone;
    Ogre::Camera* other = rig.scene->createCamera("Other Camera");
    lone.setCamera(other);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    EXPECT_EQ(other->getPosition(), Ogre::Vector3::ZERO);
#pragma GCC diagnostic pop

    // Straight up: the shoulder view keeps a defined side and the camera stays finite.
    rig.soldier.setAimDirection(Ogre::Vector3::UNIT_Y);
    rig.follow.setAiming(true);
    rig.frames(2);
    EXPECT_TRUE(isFinite(rig.eye()));
    EXPECT_FALSE(rig.camera->getDerivedOrientation().isNaN());
}

TEST(PlayerController, KeysActOnPressAndWhileHeld)
{
    Rig rig;
    rig.hud.magazine = 12;
    rig.press(OIS::KC_R);
    EXPECT_EQ(rig.hud.magazine, 30);
    EXPECT_EQ(rig.hud.ammo, 282);

    // W and S held together: forward, then back, each at 30 units a second.
    HeldKeys forward({OIS::KC_W});
    HeldKeys both({OIS::KC_W, OIS::KC_S});
    rig.controller.pollKeyboard(0, 0.5f, &forward, nullptr);
    EXPECT_EQ(rig.soldier.getPosition(), Ogre::Vector3(0, 0, 15));
    rig.controller.pollKeyboard(0, 0.5f, &both, nullptr);
    EXPECT_EQ(rig.soldier.getPosition(), Ogre::Vector3(0, 0, 15));

    Ogre::SceneNode* truck = rig.scene->getRootSceneNode()->createChildSceneNode(Ogre::Vector3(100, 12, 0));
    rig.soldier.setTruckNode(truck);
    rig.soldier.setRiding(true);
    rig.frames(1);
    EXPECT_EQ(rig.soldier.getPosition(), Ogre::Vector3(100, 12, 15));
    rig.press(OIS::KC_U);
    EXPECT_EQ(rig.soldier.getPosition(), Ogre::Vector3(100, 0, 15));
    truck->translate(50, 0, 0);
    rig.frames(1);
    EXPECT_EQ(rig.soldier.getPosition(), Ogre::Vector3(100, 0, 15));
}

TEST(PlayerController, RightButtonAimsLeftButtonFires)
{
    Rig rig;
    rig.button(OIS::MB_Right, true);
    rig.frames(20);
    EXPECT_TRUE(crosshairShown());
    EXPECT_EQ(rig.eye(), Ogre::Vector3(-4, 10, -10));

    rig.button(OIS::MB_Left, true);
    EXPECT_EQ(rig.hud.magazine, 29);
    rig.frames(10);
    const int afterBurst = rig.hud.magazine;
    EXPECT_LT(afterBurst, 29);
    rig.button(OIS::MB_Left, false);
    rig.frames(10);
    EXPECT_EQ(rig.hud.magazine, afterBurst);

    rig.button(OIS::MB_Right, false);
    rig.frames(40);
    EXPECT_FALSE(crosshairShown());
    EXPECT_EQ(rig.eye(), Ogre::Vector3(0, 15, -35));

    // During a reload the soldier refuses to aim, but the view and the crosshair follow the button.
    rig.press(OIS::KC_R);
    rig.frames(2);
    rig.button(OIS::MB_Right, true);
    rig.frames(1);
    EXPECT_TRUE(crosshairShown());
    EXPECT_EQ(rig.eye(), Ogre::Vector3(-4, 10, -10));
    rig.button(OIS::MB_Left, true);
    EXPECT_EQ(rig.hud.magazine, 30);
}

TEST(PlayerController, MouseMotionTurnsTheAim)
{
    Rig rig;
    rig.motion(100, 0);  // right: clockwise seen from above, towards -X
    Ogre::Vector3 aim = rig.soldier.getAimDirection();
    EXPECT_NEAR(aim.x, -std::sin(Ogre::Degree(10).valueRadians()), 1e-5);
    EXPECT_FLOAT_EQ(aim.y, 0);

    rig.motion(0, -100);  // up: the aim rises, the heading stays
    const Ogre::Vector3 raised = rig.soldier.getAimDirection();
    EXPECT_NEAR(raised.y, std::sin(Ogre::Degree(10).valueRadians()), 1e-5);
    EXPECT_NEAR(std::atan2(raised.x, raised.z), std::atan2(aim.x, aim.z), 1e-5);

    rig.motion(50, 0);
    EXPECT_NEAR(rig.soldier.getAimDirection().y, raised.y, 1e-5);

    // Straight up has no right-hand side; motion must still tip the aim back, never to NaN.
    rig.soldier.setAimDirection(Ogre::Vector3::UNIT_Y);
    rig.motion(30, 0);
    rig.motion(0, 100);
    aim = rig.soldier.getAimDirection();
    EXPECT_TRUE(isFinite(aim));
    EXPECT_NEAR(aim.y, std::cos(Ogre::Degree(10).valueRadians()), 1e-4);
}
