#include "targets/MeshTarget.h"
#include "tests/headless/HeadlessGame.h"
#include "world/Level.h"

#include <Ogre.h>

#include <gtest/gtest.h>

TEST(Level, CratesInsideTheTrackTargetsOutsideEachClearOfEarlierOnes)
{
    const std::deque<AbstractTarget*>& objects = sharedLevel()->getTargets();
    ASSERT_EQ(objects.size(), 70u);
    EXPECT_EQ(objects[0]->getCenter(), Ogre::Vector3(-11.71875f, 8, 0));
    EXPECT_EQ(objects[1]->getCenter(), Ogre::Vector3(11.71875f, 8, 3.90625f));
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const bool crate = i < 35;
        const std::string name = Ogre::StringUtil::format(crate ? "crate_%04zu" : "target_%04zu", crate ? i : i - 35);
        SCOPED_TRACE(name);
        const Ogre::Entity* entity = headlessScene()->getEntity(name);
        const Ogre::Vector3 node = entity->getParentSceneNode()->getPosition();
        EXPECT_EQ(objects[i]->getCenter(), node + Ogre::Vector3(0, crate ? 0 : 8, 0));
        EXPECT_EQ(node.y, crate ? 8 : 20);
        const double a = crate ? 2300 : 2700, b = crate ? 450 : 550;
        const double ellipse = node.x * node.x / (a * a) + node.z * node.z / (b * b);
        EXPECT_TRUE(crate ? ellipse <= 1 : ellipse >= 1);
        EXPECT_TRUE(std::abs(node.x) <= 3000 && std::abs(node.z) <= 1000);
        for (std::size_t earlier = 0; earlier < i; ++earlier)
            EXPECT_GE(node.distance(objects[earlier]->getCenter()), objects[earlier]->getRadius());
    }
    // Under a sky, on grass that casts no shadow.
    Ogre::Entity* ground = headlessScene()->getEntity("GroundEntity");
    expectPlate(ground, Ogre::Vector3::ZERO, Ogre::Vector2(6000, 6000));
    EXPECT_TRUE(ground->getSubEntity(0)->getMaterialName() == "Plane" && !ground->getCastShadows() && headlessScene()->isSkyBoxEnabled());
}

TEST(Level, PlacementZonesIgnoreHeightClearanceAndHitsAreStrict)
{
    Level* level = newLevel(newScene());
    const Ogre::Real aboveAll = 500;
    // On the edge of its zone an object may stand, one unit across it not: crates inside, targets outside.
    const struct { bool crate; Ogre::Real x, z; bool allowed; } edges[] = {{true, 2300, 0, true}, {true, 2301, 0, false},
        {true, 0, -450, true}, {true, 0, 451, false}, {false, 2700, 0, true}, {false, 2699, 0, false},
        {false, 0, -550, true}, {false, 0, 549, false}};
    for (const auto& edge : edges) {
        const Ogre::Vector3 at(edge.x, aboveAll, edge.z);
        EXPECT_EQ(edge.crate ? level->canPlaceCrate(at) : level->canPlaceTarget(at), edge.allowed) << at;
    }

    const Ogre::Vector3 crateCentre = level->getTargets().at(5)->getCenter();
    EXPECT_TRUE(level->canPlaceCrate(crateCentre + Ogre::Vector3(0, 13.5f, 0)));
    EXPECT_FALSE(level->canPlaceCrate(crateCentre + Ogre::Vector3(0, 13.4f, 0)));
    // A target's centre is 8 above its node.
    const Ogre::Vector3 targetNode = level->getTargets().at(40)->getCenter() - Ogre::Vector3(0, 8, 0);
    EXPECT_TRUE(level->canPlaceTarget(targetNode - Ogre::Vector3(0, 5.5f, 0)));
    EXPECT_FALSE(level->canPlaceTarget(targetNode - Ogre::Vector3(0, 5.4f, 0)));

    // A shot hits only the nearest centre strictly within its radius.
    const Ogre::Vector3 third = level->getTargets().at(3)->getCenter();
    EXPECT_EQ(level->hitNearestTarget(third + Ogre::Vector3(0, 13.5f, 0)), 0);
    EXPECT_NEAR(level->hitNearestTarget(third + Ogre::Vector3(0, 13.4f, 0)), 0.1f, 1e-5f);

    // Crates 0 and 1 both reach a point between them: the nearer one takes the shot.
    const Ogre::Vector3 first = level->getTargets().at(0)->getCenter();
    const Ogre::Vector3 second = level->getTargets().at(1)->getCenter();
    const Ogre::Vector3 nearerSecond = second + (first - second) * 0.45f;
    EXPECT_FLOAT_EQ(level->hitNearestTarget(nearerSecond), 13.5f - nearerSecond.distance(second));

    // At equal distances the earlier crate takes every shot, also once it is destroyed.
    const auto health = [&](int crate) { return static_cast<MeshTarget*>(level->getTargets().at(crate))->getHealth(); };
    const Ogre::Real secondHealth = health(1);
    const Ogre::Vector3 midway(0, 8, 1.953125f);
    for (int shot = 0; shot < 50; ++shot)
        level->hitNearestTarget(midway);
    EXPECT_LT(health(0), 0);
    EXPECT_EQ(level->hitNearestTarget(midway), 0);
    EXPECT_EQ(health(1), secondHealth);
}
