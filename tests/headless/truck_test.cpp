#include "tests/headless/HeadlessGame.h"
#include "world/Level.h"

#include <OgreSceneManager.h>

#include <gtest/gtest.h>

namespace {

const Ogre::Real lap = Ogre::Math::TWO_PI / 0.05f;

Ogre::Vector3 heading(const Ogre::SceneNode* truck)
{
    return truck->getOrientation() * Ogre::Vector3::UNIT_Z;
}

// Drives whole seconds in frames of `frameTime`.
void drive(Level* level, Ogre::Real seconds, Ogre::Real frameTime)
{
    for (int frame = 0; frame < static_cast<int>(std::lround(seconds / frameTime)); ++frame)
        level->update(0, frameTime);
}

} // namespace

// Wherever earlier tests left the truck, it is driven to its start from the pose it shows.
TEST(Truck, LapsTheEllipseNoseFirstWithTheDeckAheadAndRunsOnSmoothlyAcrossTheEndOfALap)
{
    Level* level = sharedLevel();
    Ogre::SceneNode* truck = level->getTruckNode();
    level->update(0, 0);
    const Ogre::Vector3 at = truck->getPosition();
    const Ogre::Real angle = std::atan2(at.z / 500, at.x / 2500);
    level->update(0, (Ogre::Math::TWO_PI - angle) / 0.05f - 1);

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

    // A quarter lap on, it crosses x = 0 heading along -X at 125 units a second.
    level->update(0, lap / 4);
    EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(0, 12, 500)), 2);
    // A frame with no time sets the same pose again; it does not turn the truck further.
    const Ogre::Vector3 before = truck->getPosition();
    level->update(0, 0);
    EXPECT_EQ(truck->getPosition(), before);
    EXPECT_LT(heading(truck).distance(Ogre::Vector3::NEGATIVE_UNIT_X), 1e-3f);
    level->update(0, 0.01f);
    EXPECT_NEAR((truck->getPosition() - before).x / 0.01f, -125, 0.5f);

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
