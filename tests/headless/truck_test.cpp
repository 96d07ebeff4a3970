#include "tests/headless/HeadlessGame.h"
#include "world/Level.h"

#include <OgreMeshManager.h>

#include <gtest/gtest.h>

namespace {

Ogre::Vector3 deckCentre()
{
    headlessScene()->getRootSceneNode()->_update(true, false);
    return headlessScene()->getEntity("deckEntity")->getParentSceneNode()->_getDerivedPosition();
}

Ogre::Vector3 heading(const Ogre::SceneNode* truck)
{
    return truck->getOrientation() * Ogre::Vector3::UNIT_Z;
}

} // namespace

// The only test that drives the truck, so its start pose is still there.
TEST(Truck, LapsTheEllipseNoseFirstWithTheDeckAhead)
{
    Level* level = sharedLevel();
    Ogre::SceneNode* truck = level->getTruckNode();
    const Ogre::Entity* body = headlessScene()->getEntity("truck");
    EXPECT_TRUE(body->getParentSceneNode() == truck && !body->getCastShadows() && headlessScene()->getEntity("deckEntity")->getCastShadows());
    EXPECT_EQ(materialOf("deckEntity"), "Deck");
    EXPECT_EQ(truck->getPosition(), Ogre::Vector3(0, 12, 30));
    EXPECT_LT(deckCentre().distance(Ogre::Vector3(0, 12, 46.5f)), 1e-3f);
    const Ogre::Real padding = 1 + 2 * Ogre::MeshManager::getSingleton().getBoundsPaddingFactor();
    EXPECT_TRUE(headlessScene()->getEntity("deckEntity")->getBoundingBox().getSize().positionEquals(Ogre::Vector3(100, 0, 240) * padding));

    level->update(0, 0);
    EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(2500, 12, 0)), 1e-3f);
    EXPECT_LT(heading(truck).distance(Ogre::Vector3::UNIT_Z), 1e-3f);

    level->update(0, 10 * Ogre::Math::PI);
    EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(0, 12, 500)), 1e-3f);
    EXPECT_LT(deckCentre().distance(Ogre::Vector3(-16.5f, 12, 500)), 1e-3f);
    // A frame with no time sets the same pose again; it does not turn the truck further.
    const Ogre::Vector3 before = truck->getPosition();
    level->update(0, 0);
    EXPECT_EQ(truck->getPosition(), before);
    EXPECT_LT(heading(truck).distance(Ogre::Vector3::NEGATIVE_UNIT_X), 1e-3f);
    const Ogre::Real step = 0.01f;
    level->update(0, step);
    EXPECT_NEAR((truck->getPosition() - before).x / step, -125, 0.5f);

    // Hours into a session at a thousand frames a second, each second still covers one second of path.
    level->update(0, 30000);
    for (int second = 0; second < 2; ++second) {
        const Ogre::Vector3 from = truck->getPosition();
        const Ogre::Real angle = std::atan2(from.z / 500, from.x / 2500) + 0.05f;
        for (int frame = 0; frame < 1000; ++frame)
            level->update(0, 0.001f);
        EXPECT_LT(truck->getPosition().distance(Ogre::Vector3(2500 * std::cos(angle), 12, 500 * std::sin(angle))), 1)
            << "second " << second;
    }
}
