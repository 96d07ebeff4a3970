#include "tests/HeldKeys.h"
#include "tests/headless/SoldierRig.h"

#include <gtest/gtest.h>

namespace {

// The rig driven through the controller, as input would.
struct Rig : SoldierRig {
    void frames(int count, Ogre::Real dt = 0.05f) { SoldierRig::frames(count, dt, true); }
    Ogre::Vector3 eye() const { return camera->getDerivedPosition(); }
    // Every handler answers true, or OIS would drop the rest of the frame's events.
    void press(OIS::KeyCode key) { EXPECT_TRUE(controller.handleKeyPressed(OIS::KeyEvent(nullptr, key, 0))); }
    void button(OIS::MouseButtonID id, bool down) { EXPECT_TRUE(down ? controller.handleMousePressed({nullptr, {}}, id) : controller.handleMouseReleased({nullptr, {}}, id)); }
    void motion(int dx, int dy)
    {
        OIS::MouseState state;
        state.X.rel = dx, state.Y.rel = dy;
        EXPECT_TRUE(controller.handleMouseMoved(OIS::MouseEvent(nullptr, state)));
    }
};

} // namespace

TEST(FollowCamera, StandsBehindOrOverTheRightShoulder)
{
    Rig rig;
    EXPECT_EQ(rig.eye(), Ogre::Vector3(0, 5, -35));
    EXPECT_EQ(rig.camera->getDerivedDirection(), Ogre::Vector3::UNIT_Z);
    // Placed by whichever comes last, the camera or the soldier.
    ThirdPersonCamera second;
    second.setTarget(&rig.soldier), second.setCamera(rig.scene->createCamera("Second Camera"));
    EXPECT_EQ(rig.scene->getCamera("Second Camera")->getDerivedPosition(), Ogre::Vector3(0, 5, -35));

    rig.soldier.move(10), rig.frames(1, 0);
    const Ogre::Vector3 p(0, 0, 10);
    EXPECT_EQ(rig.eye(), p + Ogre::Vector3(0, 15, -35));
    rig.follow.setAiming(true), rig.frames(1, 0);
    EXPECT_EQ(rig.eye(), p + Ogre::Vector3(-4, 10, -10));

    // Straight up has no side of its own: the last one is kept, and so is the view's orientation.
    rig.soldier.setAimDirection(Ogre::Vector3::UNIT_Y), rig.frames(1, 0);
    EXPECT_TRUE(rig.eye().positionEquals(p + Ogre::Vector3(-4, 0, 0)) && rig.camera->getDerivedDirection().positionEquals(Ogre::Vector3::UNIT_Z));
}

TEST(PlayerController, KeysActOnPressAndWhileHeldMouseMotionTurnsTheAim)
{
    Rig rig;
    rig.hud.magazine = 12, rig.press(OIS::KC_R);
    EXPECT_EQ(rig.hud.magazine, 30);

    // Half a second with W held, then W and S (forward, then back), then S: 30 units a second each way.
    const std::pair<std::set<OIS::KeyCode>, float> walks[] = {{{OIS::KC_W}, 15}, {{OIS::KC_W, OIS::KC_S}, 15}, {{OIS::KC_S}, 0}};
    for (const auto& [keys, z] : walks) {
        HeldKeys held(keys);
        rig.controller.pollKeyboard(0, 0.5f, &held, nullptr);
        EXPECT_EQ(rig.soldier.getPosition(), Ogre::Vector3(0, 0, z));
    }

    rig.soldier.setTruckNode(rig.scene->getRootSceneNode()->createChildSceneNode(Ogre::Vector3(100, 12, 0)));
    rig.soldier.setRiding(true), rig.frames(1);
    rig.press(OIS::KC_U);
    EXPECT_EQ(rig.soldier.getPosition(), Ogre::Vector3(100, 0, 15));

    // The mouse turns the aim wherever he stands.
    rig.motion(100, 0);  // right: clockwise seen from above, towards -X
    const Ogre::Vector3 aim = rig.soldier.getAimDirection();
    EXPECT_NEAR(aim.x, -std::sin(Ogre::Degree(10).valueRadians()), 1e-5);
    EXPECT_FLOAT_EQ(aim.y, 0);

    rig.motion(0, -100);  // up: the aim rises, the heading stays
    const Ogre::Vector3 raised = rig.soldier.getAimDirection();
    EXPECT_NEAR(raised.y, std::sin(Ogre::Degree(10).valueRadians()), 1e-5);
    EXPECT_NEAR(std::atan2(raised.x, raised.z), std::atan2(aim.x, aim.z), 1e-5);

    rig.motion(50, 0);
    EXPECT_NEAR(rig.soldier.getAimDirection().y, raised.y, 1e-5);

    // Straight up has no right-hand side; motion still tips the aim back.
    rig.soldier.setAimDirection(Ogre::Vector3::UNIT_Y);
    rig.motion(30, 0), rig.motion(0, 100);
    EXPECT_NEAR(rig.soldier.getAimDirection().y, std::cos(Ogre::Degree(10).valueRadians()), 1e-4);
}

// The right button aims, the view and the crosshair with it, even during a reload, when the soldier refuses to;
// a click of the left fires at once, and its release ends the burst.
TEST(PlayerController, RightButtonAimsLeftButtonFires)
{
    Rig rig;
    rig.button(OIS::MB_Right, true), rig.frames(20);
    EXPECT_TRUE(rig.shown("Cross") && rig.eye() == Ogre::Vector3(-4, 10, -10));
    rig.button(OIS::MB_Left, true);
    EXPECT_EQ(rig.hud.magazine, 29);
    rig.button(OIS::MB_Left, false), rig.frames(10);
    EXPECT_EQ(rig.hud.magazine, 29);

    rig.button(OIS::MB_Right, false), rig.frames(40);
    EXPECT_TRUE(!rig.shown("Cross") && rig.eye() == Ogre::Vector3(0, 15, -35));
    rig.press(OIS::KC_R), rig.frames(2);
    rig.button(OIS::MB_Right, true), rig.frames(1);
    EXPECT_TRUE(rig.shown("Cross") && rig.eye() == Ogre::Vector3(-4, 10, -10));
}
