#include "targets/Crate.h"
#include "targets/MeshTarget.h"
#include "targets/Target.h"
#include "tests/headless/HeadlessGame.h"
#include "world/Level.h"

#include <Ogre.h>

#include <gtest/gtest.h>

#include <vector>

TEST(Level, CratesInsideTheTrackTargetsOutsideEachClearOfEarlierOnesZonesIgnoreHeightHitsAreStrict)
{
    const std::deque<AbstractTarget*>& objects = sharedLevel()->getTargets();
    ASSERT_EQ(objects.size(), 70u);
    EXPECT_EQ(objects[0]->getCenter(), Ogre::Vector3(-11.71875f, 8, 0));
    EXPECT_EQ(objects[1]->getCenter(), Ogre::Vector3(11.71875f, 8, 3.90625f));
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const bool crate = i < 35;
        const std::string name = Ogre::StringUtil::format(crate ? "crate_%04zu" : "target_%04zu", crate ? i : i - 35);
        SCOPED_TRACE(name);
        const Ogre::Vector3 node = headlessScene()->getEntity(name)->getParentSceneNode()->getPosition();
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

    // Placement zones ignore height, clearance is strict, and so are hits: on a level of the test's own.
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

    // Clear of another crate's centre by 13.5, of another target's node (8 below its centre) by 5.5.
    const Ogre::Vector3 crateCentre = level->getTargets().at(5)->getCenter();
    EXPECT_TRUE(level->canPlaceCrate(crateCentre + Ogre::Vector3(0, 13.5f, 0)) && !level->canPlaceCrate(crateCentre + Ogre::Vector3(0, 13.4f, 0)));
    const Ogre::Vector3 targetNode = level->getTargets().at(40)->getCenter() - Ogre::Vector3(0, 8, 0);
    EXPECT_TRUE(level->canPlaceTarget(targetNode - Ogre::Vector3(0, 5.5f, 0)) && !level->canPlaceTarget(targetNode - Ogre::Vector3(0, 5.4f, 0)));

    // A shot hits only the nearest centre strictly within its radius.
    const Ogre::Vector3 third = level->getTargets().at(3)->getCenter();
    EXPECT_EQ(level->hitNearestTarget(third + Ogre::Vector3(0, 13.5f, 0)), 0);
    EXPECT_NEAR(level->hitNearestTarget(third + Ogre::Vector3(0, 13.4f, 0)), 0.1f, 1e-5f);

    // Crates 0 and 1 both reach a point between them: the nearer one takes the shot.
    const Ogre::Vector3 first = level->getTargets().at(0)->getCenter(), second = level->getTargets().at(1)->getCenter();
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

// Hits on a new object, alone in a scene of its own, and its look after each, a letter a hit: intact, cracked,
// destroyed. Health at exactly half is still intact, at exactly zero cracked, and a hit scores only while health
// is above zero.
TEST(Targets, HitsWearHealthDownThroughCrackedToDestroyedAndScoreWhileAboveZero)
{
    sharedLevel(); // first, so that its objects keep their names
    Ogre::SceneManager* const scenes[] = {newScene(), newScene()};
    Target target(scenes[0], 100, 20, 200);
    Crate crate(scenes[1], 100, 8, 200);
    // What a shot's ray meets: the target's model 3 by 40 by 20 times as large round its node, the crate 15 units
    // across round its centre.
    const Ogre::AxisAlignedBox model = Ogre::MeshManager::getSingleton().getByName("target01.mesh")->getBounds();
    const Ogre::Vector3 targetScale(3, 40, 20), at(100, 20, 200);
    const struct { AbstractTarget* object; Ogre::SceneManager* scene; Ogre::AxisAlignedBox box; unsigned int face; const char* cracked;
        const char* destroyed; std::vector<Ogre::Real> distances; const char* looks; Ogre::Real score; } sequences[] = {
        // Health 150: five full hits and one of 7.5 leave 75; five more, one of 7 and one of 0.5 leave 0.
        {&target, scenes[0], {at + model.getMinimum() * targetScale, at + model.getMaximum() * targetScale}, 1, "target_cracked",
            "target_perish", {0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 6.5f, 13, 0}, "iiiiiicccccccd", 150},
        // Health 70: 35, then 0.
        {&crate, scenes[1], {{92.5f, 0.5f, 192.5f}, {107.5f, 15.5f, 207.5f}}, 0, "doboz_cracked", "doboz_burning",
            {0, 0, 5.5f, 0, 0, 5.5f, 0, 0}, "iiicccdd", 70},
    };
    for (const auto& sequence : sequences) {
        SCOPED_TRACE(sequence.cracked);
        Ogre::Entity* entity = static_cast<Ogre::Entity*>(sequence.scene->getMovableObjects("Entity").begin()->second);
        EXPECT_EQ(entity->getWorldBoundingBox(true), sequence.box);
        const Ogre::SubEntity* face = entity->getSubEntity(sequence.face);
        const std::string intact = face->getMaterialName();
        Ogre::Real score = 0;
        std::string looks;
        for (Ogre::Real distance : sequence.distances) {
            score += sequence.object->hit(distance);
            const std::string look = face->getMaterialName();
            looks += look == intact ? 'i' : look == sequence.cracked ? 'c' : look == sequence.destroyed ? 'd' : '?';
        }
        EXPECT_EQ(looks, sequence.looks);
        EXPECT_EQ(score, sequence.score);
    }
}
