#include "tests/headless/HeadlessGame.h"
#include "world/Level.h"

#include <Ogre.h>

#include <gtest/gtest.h>

namespace {

const Ogre::Real lap = Ogre::Math::TWO_PI / 0.05f;

Ogre::Vector3 heading(const Ogre::SceneNode* truck) { return truck->getOrientation() * Ogre::Vector3::UNIT_Z; }

// Drives whole seconds in frames of `frameTime`.
void drive(Level* level, Ogre::Real seconds, Ogre::Real frameTime)
{
    for (int frame = 0; frame < static_cast<int>(std::lround(seconds / frameTime)); ++frame)
        level->update(0, frameTime);
}

} // namespace

TEST(Truck, StartsFixedThenLapsTheEllipseNoseFirstWithTheDeckAheadAndRunsOnSmoothlyAcrossTheEndOfALap)
{
    Ogre::SceneManager* scene = newScene();
    Level* level = newLevel(scene);
    Ogre::SceneNode* truck = level->getTruckNode();
    // Before the first frame: at (0, 12, 30), its lit and textured deck plate 15 by 36 with its centre 16.5 ahead;
    // the truck casts no shadow.
    EXPECT_EQ(truck->getPosition(), Ogre::Vector3(0, 12, 30));
    expectPlate(scene->getEntity("deckEntity"), Ogre::Vector3(0, 12, 46.5f), Ogre::Vector2(15, 36));
    EXPECT_TRUE(scene->getEntity("deckEntity")->getSubEntity(0)->getMaterialName() == "Deck" && !scene->getEntity("truck")->getCastShadows());

    // The first frame puts it where a lap starts, heading along +Z; a quarter lap on it crosses x = 0 heading along
    // -X at 125 units a second, a lap's eighth between them.
    level->update(0, 0);
    EXPECT_TRUE(truck->getPosition().positionEquals(Ogre::Vector3(2500, 12, 0), 1e-3f) && heading(truck).positionEquals(Ogre::Vector3::UNIT_Z));
    level->update(0, lap / 8);
    EXPECT_TRUE(truck->getPosition().positionEquals(Ogre::Vector3(2500 * std::sqrt(0.5f), 12, 500 * std::sqrt(0.5f)), 1e-2f));
    level->update(0, lap / 8);
    EXPECT_TRUE(truck->getPosition().positionEquals(Ogre::Vector3(0, 12, 500), 1e-2f));
    // A frame with no time sets the same pose again; it does not turn the truck further.
    const Ogre::Vector3 before = truck->getPosition();
    level->update(0, 0);
    EXPECT_TRUE(truck->getPosition() == before && heading(truck).distance(Ogre::Vector3::NEGATIVE_UNIT_X) < 1e-3f);
    level->update(0, 0.01f);
    EXPECT_NEAR((truck->getPosition() - before).x / 0.01f, -125, 0.5f);
    level->update(0, 3 * lap / 4 - 1.01f);

    // Across the end of a lap each tenth of a second covers 2.5 units and turns the truck a little.
    Ogre::Vector3 position = truck->getPosition(), ahead = heading(truck);
    for (int frame = 0; frame < 20; ++frame) {
        level->update(0, 0.1f);
        EXPECT_NEAR(truck->getPosition().distance(position), 2.5f, 0.15f) << frame;
        EXPECT_LT(heading(truck).angleBetween(ahead).valueDegrees(), 2) << frame;
        position = truck->getPosition(), ahead = heading(truck);
    }
    // Whole laps, in frames of every size, bring it back to its start, heading along +Z.
    drive(level, lap - 1, lap / 1000);
    drive(level, lap, 1.0f / 60);
    EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(2500, 12, 0)), 1);
    EXPECT_LT(heading(truck).distance(Ogre::Vector3::UNIT_Z), 1e-2f);

    // Hours into a session at a thousand frames a second, each second still covers one second of path.
    level->update(0, 30000);
    for (int second = 0; second < 2; ++second) {
        const Ogre::Vector3 from = truck->getPosition();
        const Ogre::Real to = std::atan2(from.z / 500, from.x / 2500) + 0.05f;
        drive(level, 1, 0.001f);
        EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(2500 * std::cos(to), 12, 500 * std::sin(to))), 1)
            << "second " << second;
    }
}
