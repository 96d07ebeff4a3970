#include "tests/headless/HeadlessEngine.h"
#include "tests/headless/SharedLevel.h"
#include "world/Level.h"

#include <gtest/gtest.h>

namespace {

Ogre::Vector3 deckCentre()
{
    headlessScene()->getRootSceneNode()->_update(true, false);
    return headlessScene()->getEntity("deckEntity")->getParentSceneNode()->_getDerivedPosition();
}

} // namespace

// The only test that drives the truck, so its start pose is still there.
TEST(Truck, LapsTheEllipseNoseFirstWithTheDeckAhead)
{
    Level* level = sharedLevel();
    Ogre::SceneNode* truck = level->getTruckNode();
    EXPECT_EQ(headlessScene()->getEntity("truck")->getParentSceneNode(), truck);
    EXPECT_EQ(truck->getPosition(), Ogre::Vector3(0, 12, 30));
    EXPECT_LT(deckCentre().distance(Ogre::Vector3(0, 12, 46.5f)), 1e-3f);

    level->update(0, 0);
    EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(2500, 12, 0)), 1e-3f);
    EXPECT_LT((truck->getOrientation() * Ogre::Vector3::UNIT_Z).distance(Ogre::Vector3::UNIT_Z), 1e-3f);

    const Ogre::Real quarterLap = 10 * Ogre::Math::PI;
    level->update(quarterLap, quarterLap);
    EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(0, 12, 500)), 1e-3f);
    EXPECT_LT(deckCentre().distance(Ogre::Vector3(-16.5f, 12, 500)), 1e-3f);

    const Ogre::Real step = 0.01f;
    const Ogre::Vector3 before = truck->getPosition();
    level->update(quarterLap, 0);
    EXPECT_EQ(truck->getPosition(), before);
    level->update(quarterLap + step, step);
    EXPECT_NEAR((truck->getPosition() - before).x / step, -125, 0.5f);
}
