#include "player/Soldier.h"

#include "hud/GameHud.h"
#include "targets/AbstractTarget.h"
#include "tests/headless/HeadlessEngine.h"
#include "tests/headless/SharedLevel.h"
#include "world/Level.h"

#include <OgreAnimationState.h>
#include <OgreMeshManager.h>

#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

namespace {

const Ogre::Real dt = 1.0f / 16;

class SoldierTest : public testing::Test {
protected:
    // Shots that are not about hitting fly into empty sky.
    SoldierTest() { soldier.setAimOrigin(Ogre::Vector3(0, 5000, 0)); }

    // The game never destroys the soldier; the next test needs his names again.
    ~SoldierTest() override
    {
        Ogre::SceneNode* node = entity->getParentSceneNode();
        scene->destroyEntity("weapon");
        scene->destroyEntity("player");
        node->removeAndDestroyAllChildren();
        scene->destroySceneNode(node);
    }

    void frames(int count)
    {
        for (int frame = 0; frame < count; ++frame)
            soldier.update(0, dt);
    }

    void playToHold()
    {
        for (int frame = 0; frame < 100 && soldier.isUpperBodyBusy(); ++frame)
            frames(1);
        frames(1);
    }

    bool playing(const char* animation) { return entity->getAnimationState(animation)->getEnabled(); }
    Ogre::Real shootTime() { return entity->getAnimationState("up_shoot")->getTimePosition(); }

    bool magazineShown()
    {
        hud.update(0, 0);
        return Ogre::OverlayManager::getSingleton().getOverlayElement("Magazine")->isVisible();
    }

    void shootFrom(const Ogre::Vector3& origin)
    {
        soldier.setAimOrigin(origin);
        soldier.aim(true);
        soldier.fire(true);
    }

    Ogre::SceneManager* scene = headlessScene();
    Level* level = sharedLevel();
    GameHud hud;
    Soldier soldier{scene, &hud, level};
    Ogre::Entity* entity = scene->getEntity("player");
};

// A thin square across the normal: a ray along the normal meets it exactly at its plane.
void addWall(Ogre::SceneManager* scene, const char* mesh, const Ogre::Vector3& at, const Ogre::Vector3& normal)
{
    Ogre::MeshManager::getSingleton().createPlane(
        mesh, Ogre::RGN_DEFAULT, Ogre::Plane(normal, 0), 4, 4, 1, 1, true, 1, 1, 1, normal.perpendicular());
    scene->getRootSceneNode()->createChildSceneNode(at)->attachObject(scene->createEntity(mesh));
    scene->getRootSceneNode()->_update(true, false);
}

} // namespace

TEST_F(SoldierTest, RaisesHoldsRefusesReloadFiresOncePerRecoilCycleAndLowers)
{
    soldier.aim(true);
    frames(12);
    EXPECT_TRUE(playing("up_shoot") && !playing("up_weapon_hold"));
    for (int frame = 0; frame < 3; ++frame) {
        frames(1);
        EXPECT_EQ(shootTime(), 0.75f);
    }

    hud.magazine = 10;
    soldier.reload();
    EXPECT_EQ(hud.magazine, 10);

    soldier.fire(true);
    // At half speed 0.75 passes 0.8 in two frames; the third fires.
    frames(6);
    EXPECT_EQ(hud.magazine, 7);

    hud.magazine = 1;
    soldier.fire(true);
    frames(6);
    EXPECT_EQ(hud.magazine, 0);
    EXPECT_EQ(shootTime(), 0.8125f);
    soldier.fire(false);
    frames(1);
    EXPECT_EQ(shootTime(), 0.75f);

    soldier.aim(false);
    frames(1);
    EXPECT_EQ(shootTime(), 1.4f + dt);
    playToHold();
    EXPECT_TRUE(playing("up_weapon_hold") && !playing("up_shoot"));
    soldier.aim(true);
    frames(1);
    EXPECT_EQ(shootTime(), dt);
}

TEST_F(SoldierTest, ReloadJumpsAheadAndShowsTheCountAgainAt18)
{
    hud.magazine = 10;
    soldier.reload();
    EXPECT_EQ(hud.magazine, 30);
    EXPECT_FALSE(magazineShown());
    // At half speed the 14th frame starts at 0.40625, inside the window, and jumps to 1.5.
    frames(13);
    EXPECT_EQ(shootTime(), 0.40625f);
    frames(1);
    EXPECT_EQ(shootTime(), 1.5f + dt / 2);

    EXPECT_FALSE(soldier.aim(true));
    hud.magazine = 20;
    soldier.fire(true);
    soldier.reload();
    EXPECT_EQ(hud.magazine, 20);
    frames(8);
    EXPECT_FALSE(magazineShown());
    frames(1);
    EXPECT_TRUE(magazineShown());
}

TEST_F(SoldierTest, AimOrReloadWhileWalkingPlaysNoAnimation)
{
    // The button event comes before the frame's poll of W; then the button stays down.
    soldier.aim(true);
    for (int frame = 0; frame < 4; ++frame) {
        soldier.move(30 * dt);
        frames(1);
    }
    EXPECT_FALSE(playing("up_shoot"));

    hud.magazine = 10;
    soldier.reload();
    soldier.move(30 * dt);
    frames(10);
    EXPECT_EQ(hud.magazine, 30);
    EXPECT_FALSE(playing("up_shoot"));
    EXPECT_FALSE(magazineShown());
}

TEST_F(SoldierTest, WalksAlongTheFlattenedAimAndFacesItUnlessTheRifleIsUp)
{
    const Ogre::SceneNode* node = entity->getParentSceneNode();
    soldier.setAimDirection(Ogre::Vector3(2, 0, 0));
    soldier.move(30 * 0.5f);
    frames(1);
    EXPECT_TRUE(soldier.getPosition().positionEquals(Ogre::Vector3(15, 0, 0)));
    EXPECT_TRUE((node->getOrientation() * Ogre::Vector3::UNIT_Z).positionEquals(Ogre::Vector3::UNIT_X));
    EXPECT_TRUE(playing("leg_run"));
    frames(1);
    EXPECT_TRUE(playing("leg_stand") && !playing("leg_run"));

    soldier.setAimDirection(Ogre::Vector3(0.5f, -Ogre::Math::Sqrt(3) / 2, 0));
    soldier.move(10);
    EXPECT_TRUE(soldier.getPosition().positionEquals(Ogre::Vector3(20, 0, 0)));

    // Straight up: no step, the heading kept, nothing NaN; then the rifle is up and he cannot walk.
    soldier.setAimDirection(Ogre::Vector3::UNIT_Y);
    soldier.move(10);
    shootFrom(Ogre::Vector3(0, 5000, 0));
    frames(3);
    soldier.setAimDirection(Ogre::Vector3::UNIT_X);
    soldier.move(10);
    frames(1);
    EXPECT_TRUE(soldier.getPosition().positionEquals(Ogre::Vector3(20, 0, 0)));
    EXPECT_TRUE((node->getOrientation() * Ogre::Vector3::UNIT_Z).positionEquals(Ogre::Vector3::UNIT_X));
    EXPECT_FALSE(scene->getEntity("weapon")->getParentSceneNode()->_getDerivedPosition().isNaN());
    EXPECT_TRUE(playing("leg_stand"));
}

TEST_F(SoldierTest, RidesFifteenAheadOfTheTruckNodeOneFrameBehindItAndStepsOff)
{
    soldier.setRiding(true);
    frames(1);
    soldier.setRiding(false);
    EXPECT_EQ(soldier.getPosition(), Ogre::Vector3::ZERO);

    // A node of our own stands in for the truck, its +Z along world +X.
    Ogre::SceneNode* truck = scene->getRootSceneNode()->createChildSceneNode(
        Ogre::Vector3(100, 12, 200), Ogre::Quaternion(Ogre::Degree(90), Ogre::Vector3::UNIT_Y));
    soldier.setTruckNode(truck);
    soldier.setRiding(true);
    frames(1);
    EXPECT_TRUE(soldier.getPosition().positionEquals(Ogre::Vector3(115, 12, 200)));

    // The truck drives after the soldier's update; a step while riding lasts until the next one.
    truck->translate(0, 0, 50);
    soldier.move(30);
    frames(1);
    EXPECT_TRUE(soldier.getPosition().positionEquals(Ogre::Vector3(115, 12, 250)));
    EXPECT_TRUE(playing("leg_run"));

    soldier.setRiding(false);
    truck->translate(0, 0, 50);
    frames(1);
    EXPECT_TRUE(soldier.getPosition().positionEquals(Ogre::Vector3(115, 0, 250)));
    scene->destroySceneNode(truck);
}

TEST_F(SoldierTest, ShotLandsOnTheFirstResultBeyond20AndBefore1000)
{
    // The level's last target lifted out of the way, with thin walls of our own around it.
    const Ogre::Vector3 centre(0, 500, 5000);
    Ogre::SceneNode* targetNode = scene->getEntity("target_0034")->getParentSceneNode();
    const Ogre::Vector3 lift = centre - level->getTargets().back()->getCenter();
    targetNode->translate(lift);
    addWall(scene, "wall 5 from the centre", centre + Ogre::Vector3(5, 0, 0), Ogre::Vector3::UNIT_X);
    addWall(scene, "wall 10 from the centre", centre + Ogre::Vector3(8, 0, 6), Ogre::Vector3::UNIT_Y);
    ASSERT_LT(targetNode->_getWorldAABB().getMaximum().x, centre.x + 5);

    // Exactly 1000 away: no hit, the cartridge is spent.
    soldier.setAimDirection(Ogre::Vector3::NEGATIVE_UNIT_X);
    shootFrom(centre + Ogre::Vector3(1005, 0, 0));
    EXPECT_EQ(hud.magazine, 29);
    EXPECT_EQ(hud.hits, 0);

    // A wall within 20 is passed over; the one at 35 marks the point, 5 from the target's centre.
    addWall(scene, "wall 30 from the centre", centre + Ogre::Vector3(30, 0, 0), Ogre::Vector3::UNIT_X);
    shootFrom(centre + Ogre::Vector3(40, 0, 0));
    EXPECT_FLOAT_EQ(hud.hits, 13.5f - 5);

    // Straight up, exactly 20 away: no hit either.
    soldier.setAimDirection(Ogre::Vector3::UNIT_Y);
    shootFrom(centre + Ogre::Vector3(8, -20, 6));
    EXPECT_EQ(hud.magazine, 27);
    EXPECT_FLOAT_EQ(hud.hits, 13.5f - 5);
    targetNode->translate(-lift);
}
