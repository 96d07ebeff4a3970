#include "targets/AbstractTarget.h"
#include "tests/headless/SoldierRig.h"
#include "world/Level.h"

#include <Ogre.h>

#include <gtest/gtest.h>

namespace {

const Ogre::Real dt = 1.0f / 16;

struct SoldierTest : testing::Test, SoldierRig {
    void frames(int count, Ogre::Real frameTime = dt) { SoldierRig::frames(count, frameTime); }
    Ogre::Real shootTime() const { return shootAnimation()->getTimePosition(); }
};

// A thin square, named, facing along X or Y: a ray along its normal meets it exactly at its plane.
void addWall(Ogre::SceneManager* scene, const std::string& name, const Ogre::Vector3& at, const Ogre::Vector3& normal = Ogre::Vector3::UNIT_X)
{
    const std::string mesh = normal == Ogre::Vector3::UNIT_X ? "wall" : "floor";
    if (!Ogre::MeshManager::getSingleton().resourceExists(mesh))
        Ogre::MeshManager::getSingleton().createPlane(mesh, Ogre::RGN_DEFAULT, Ogre::Plane(normal, 0), 4, 4, 1, 1, true, 1, 1, 1, normal.perpendicular());
    scene->getRootSceneNode()->createChildSceneNode(at)->attachObject(scene->createEntity(name, mesh));
    scene->getRootSceneNode()->_update(true, false);
}

void raise(Soldier& soldier) { soldier.aim(true); }
void holdAim(Soldier& soldier) { soldier.aim(true), soldier.fire(false); }
void firing(Soldier& soldier) { soldier.aim(true), soldier.fire(true); }
void lower(Soldier& soldier) { soldier.aim(false); }
void reload(Soldier& soldier) { soldier.reload(); }

} // namespace

// One frame of a phase of "up_shoot" from a given time: where its time goes and whether a round is fired.
TEST(SoldierPhases, EachPlaysOneFrame)
{
    // The request, the time and magazine before the frame, and after it.
    const struct { const char* phase; void (*request)(Soldier&); Ogre::Real from; int magazine;
        Ogre::Real to; int magazineAfter; } rows[] = {
        {"Raise at the pose stops there", raise, 0.75f, 30, 0.75f, 30},
        {"HoldAim raising", holdAim, 0.5f, 30, 0.5625f, 30},
        {"HoldAim at the pose stops there", holdAim, 0.75f, 30, 0.75f, 30},
        {"HoldAim past the cycle goes back", holdAim, 0.8f, 30, 0.75f, 30},
        {"Firing within a cycle, half speed", firing, 0.8f, 30, 0.83125f, 30},
        {"Firing at the end of a cycle", firing, 0.85f, 30, 0.75f, 29},
        {"Firing the last round", firing, 0.85f, 1, 0.75f, 0},
        {"Firing on an empty magazine", firing, 0.85f, 0, 0.85f, 0},
        {"Lower before 1.4 jumps there", lower, 0.5f, 30, 1.4625f, 30},
        {"Lower after 1.4", lower, 1.5f, 30, 1.5625f, 30},
        {"Reload in the window jumps to 1.5", reload, 0.45f, 30, 1.53125f, 30},
        {"Reload before the window", reload, 0.39f, 30, 0.42125f, 30},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.phase);
        SoldierRig rig;
        row.request(rig.soldier), rig.frames(1, 0);
        rig.shootAnimation()->setTimePosition(row.from), rig.hud.magazine = row.magazine, rig.frames(1, dt);
        EXPECT_FLOAT_EQ(rig.shootAnimation()->getTimePosition(), row.to);
        EXPECT_EQ(rig.hud.magazine, row.magazineAfter);
    }
}

TEST_F(SoldierTest, RaisesFiresABurstWhileTheTriggerIsHeldAndLowers)
{
    soldier.fire(true);
    EXPECT_EQ(hud.magazine, 30) << "the rifle is down";
    // Raised past the aim pose in one long frame, he holds it and comes back to it.
    EXPECT_TRUE(soldier.aim(true));
    frames(1, 0.8f), frames(2);
    EXPECT_TRUE(playing("up_shoot") && !playing("up_weapon_hold") && shootTime() == 0.75f);
    // Posed as the engine poses him when it draws (once a frame), the rifle points where he aims.
    entity->_updateAnimation(), frames(1, 0);
    const Ogre::Quaternion rifle = scene->getEntity("weapon")->getParentSceneNode()->_getDerivedOrientation();
    EXPECT_GT((rifle * Ogre::Vector3::UNIT_Y).dotProduct(soldier.getAimDirection()), 0.9999f);

    // One round at the click, then one a recoil cycle while the trigger is held: at half speed a cycle takes two
    // frames and the third fires, ten in thirty frames.
    soldier.fire(true), frames(30);
    EXPECT_EQ(hud.magazine, 19);

    soldier.aim(false);
    for (int frame = 0; frame < 100 && soldier.isUpperBodyBusy(); ++frame)
        frames(1);
    frames(1);
    EXPECT_TRUE(playing("up_weapon_hold") && !playing("up_shoot") && !soldier.isUpperBodyBusy());
    soldier.aim(true), frames(1);
    EXPECT_EQ(shootTime(), dt);
}

TEST_F(SoldierTest, AimOrReloadWhileWalkingPlaysNoAnimationAReloadStandingRefusesTheRifleUntil18)
{
    // The button event comes before the frame's poll of W; then the button stays down.
    soldier.aim(true);
    for (int frame = 0; frame < 4; ++frame)
        soldier.move(30 * dt), frames(1);
    EXPECT_FALSE(playing("up_shoot"));
    hud.magazine = 10;
    soldier.reload(), soldier.move(30 * dt), frames(10);
    EXPECT_TRUE(hud.magazine == 30 && !playing("up_shoot") && !shown("Magazine"));

    // Standing, the reload plays: the count hidden and the rifle refused until 1.8.
    hud.magazine = 10;
    soldier.reload(), frames(1);
    EXPECT_TRUE(hud.magazine == 30 && !shown("Magazine"));
    EXPECT_FALSE(soldier.aim(true));
    hud.magazine = 20;
    soldier.fire(true), soldier.reload();
    EXPECT_EQ(hud.magazine, 20);
    // 1.75 and half of 0.1 make 1.8 exactly.
    shootAnimation()->setTimePosition(1.75f), frames(1, 0.1f);
    EXPECT_TRUE(shootTime() == 1.8f && shown("Magazine"));
}

TEST_F(SoldierTest, WalksAlongTheFlattenedAimAndFacesItUnlessTheRifleIsUp)
{
    EXPECT_TRUE(playing("up_weapon_hold") && playing("leg_stand")) << "from the start";
    soldier.setAimDirection(Ogre::Vector3(2, 0, 0));
    soldier.move(30 * 0.5f), frames(1);
    EXPECT_TRUE(standsAt(15, 0, 0) && facing().positionEquals(Ogre::Vector3::UNIT_X) && playing("leg_run"));
    for (const char* channel : {"up_weapon_hold", "leg_run"})
        EXPECT_EQ(entity->getAnimationState(channel)->getTimePosition(), dt) << channel << " plays on";
    frames(1);
    EXPECT_TRUE(playing("leg_stand") && !playing("leg_run"));
    // Carried, the rifle shows in his right hand as the engine poses it when it draws.
    entity->_updateAnimation(), frames(1, 0);
    const Ogre::Node* hand = scene->getEntity("weapon")->getParentSceneNode()->getParent();
    const Ogre::Bone* bone = entity->getSkeleton()->getBone("hand_r");
    EXPECT_TRUE(scene->getEntity("weapon")->isVisible() && hand->getParent() == entity->getParentSceneNode());
    EXPECT_TRUE(hand->getPosition() == bone->_getDerivedPosition()
        && hand->getOrientation().equals(bone->_getDerivedOrientation(), Ogre::Radian(1e-4f)));
    soldier.setAimDirection(Ogre::Vector3(0.5f, -Ogre::Math::Sqrt(3) / 2, 0));
    soldier.move(10);
    EXPECT_TRUE(standsAt(20, 0, 0)) << "aimed 60 degrees down, half the step";

    // Straight up: no step and the heading kept, while the run plays on and loops.
    soldier.setAimDirection(Ogre::Vector3::UNIT_Y);
    for (int frame = 0; frame < 20; ++frame)
        soldier.move(10), frames(1);
    EXPECT_TRUE(standsAt(20, 0, 0) && facing().positionEquals(Ogre::Vector3::UNIT_X));
    EXPECT_TRUE(playing("leg_run") && !entity->getAnimationState("leg_run")->hasEnded());
    // With the rifle up he cannot walk.
    soldier.setAimDirection(Ogre::Vector3::UNIT_Z);
    soldier.aim(true), frames(1);
    soldier.move(10), frames(1);
    EXPECT_TRUE(standsAt(20, 0, 0) && playing("leg_stand"));
}

TEST_F(SoldierTest, RidesFifteenAheadOfTheTruckNodeOneFrameBehindItAndStepsOffOnce)
{
    soldier.setRiding(true), frames(1);
    EXPECT_TRUE(standsAt(0, 0, 0)) << "no truck to ride";
    // A node of our own stands in for the truck, its +Z along world +X.
    Ogre::SceneNode* truck = scene->getRootSceneNode()->createChildSceneNode(
        Ogre::Vector3(100, 12, 200), Ogre::Quaternion(Ogre::Degree(90), Ogre::Vector3::UNIT_Y));
    soldier.setTruckNode(truck);
    soldier.setRiding(true), frames(1);
    EXPECT_TRUE(standsAt(115, 12, 200));
    // The truck drives after the soldier's update; a step while riding lasts until the next one.
    truck->translate(0, 0, 50);
    soldier.move(30), frames(1);
    EXPECT_TRUE(standsAt(115, 12, 250) && playing("leg_run"));

    soldier.setRiding(false), truck->translate(0, 0, 50), frames(1);
    EXPECT_TRUE(standsAt(115, 0, 250));
    // On the ground for good: stepping off again leaves him where he walked to.
    soldier.move(20), soldier.setRiding(false), frames(1);
    EXPECT_TRUE(standsAt(115, 0, 270));
}

// Shots at crate 0 of a level of their own, 15 units across round (-11.71875, 8, 0), from above and from the side.
// Then from the deck of the level's truck, aimed through the camera at the centre of the nearest crate, a shot lands
// where the camera looks, on the crate's side 15 units across, and scores 13.5 less that point's distance from the
// centre.
TEST(Shooting, LandsOnTheFirstResultBeyond20AndBefore1000WhereTheCameraLooksAndTheCrateScoresByTheRule)
{
    Ogre::SceneManager* scene = newScene();
    Level* level = newLevel(scene);
    SoldierRig rig(scene, level);
    Soldier& soldier = rig.soldier;
    const Ogre::Vector3 centre(-11.71875f, 8, 0);
    // Walls of our own across the side shot: one 10 from its origin, and one in the crate that the engine would
    // list first if it did not sort its results.
    addWall(scene, "wall by the eye", centre - Ogre::Vector3(30, 0, 0));
    addWall(scene, "a wall in the crate", centre - Ogre::Vector3(5, 0, 0));
    soldier.aim(true);
    const auto shootFrom = [&](const Ogre::Vector3& offset, const Ogre::Vector3& direction) {
        soldier.setAimDirection(direction);
        soldier.setAimOrigin(centre + offset);
        rig.hud.hits = 0;
        soldier.fire(true);
        return rig.hud.hits;
    };
    // The crate's top exactly 1000 below: no hit, and the cartridge is spent.
    EXPECT_EQ(shootFrom({0, 1007.5f, 0}, Ogre::Vector3::NEGATIVE_UNIT_Y), 0);
    EXPECT_EQ(rig.hud.magazine, 29);
    // Its top exactly 20 below, passed over: the ground marks the point, 8 below the centre; just beyond 20 the top.
    EXPECT_FLOAT_EQ(shootFrom({0, 27.5f, 0}, Ogre::Vector3::NEGATIVE_UNIT_Y), 13.5f - 8);
    EXPECT_FLOAT_EQ(shootFrom({0, 28, 0}, Ogre::Vector3::NEGATIVE_UNIT_Y), 13.5f - 7.5f);
    // From the side: the wall within 20 passed over, the crate's face 7.5 from its centre marks the point.
    EXPECT_FLOAT_EQ(shootFrom({-40, 0, 0}, Ogre::Vector3::UNIT_X), 13.5f - 7.5f);
    // Four results are all the engine gives, and four floors within 20 leave none for the crate below them.
    for (int floor = 0; floor < 4; ++floor)
        addWall(scene, "floor " + std::to_string(floor), centre + Ogre::Vector3(3, 50.0f + 2 * floor, 0), Ogre::Vector3::UNIT_Y);
    EXPECT_EQ(shootFrom({3, 60, 0}, Ogre::Vector3::NEGATIVE_UNIT_Y), 0);

    soldier.setTruckNode(level->getTruckNode());
    soldier.setRiding(true);
    soldier.aim(true);
    rig.follow.setAiming(true);
    // The game's frame up to its input; the truck drives last.
    const auto frame = [&] { level->update(0, dt), rig.frames(1, dt, true), scene->getRootSceneNode()->_update(true, false); };
    frame();
    const auto& objects = level->getTargets();
    const auto crate = std::min_element(objects.begin(), objects.begin() + 35, [&](AbstractTarget* a, AbstractTarget* b) {
        return a->getCenter().distance(soldier.getPosition()) < b->getCenter().distance(soldier.getPosition());
    });
    const Ogre::Vector3 aimedAt = (*crate)->getCenter();
    for (int pass = 0; pass < 20; ++pass)
        soldier.setAimDirection(aimedAt - rig.camera->getDerivedPosition()), frame();
    soldier.fire(true);
    const Ogre::Ray sight = rig.camera->getCameraToViewportRay(0.5f, 0.5f);
    const Ogre::Vector3 landing = sight.getPoint(sight.intersects(Ogre::AxisAlignedBox(aimedAt - 7.5f, aimedAt + 7.5f)).second);
    EXPECT_GT(landing.distance(sight.getOrigin()), 20);
    EXPECT_NEAR(rig.hud.hits, 13.5f - landing.distance(aimedAt), 1e-3f);
}
