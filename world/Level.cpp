#include "world/Level.h"

#include "common/MediaContract.h"
#include "targets/Crate.h"
#include "targets/Target.h"
#include "world/GameEventListener.h"
#include "world/Truck.h"

#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

const Ogre::Real groundSize = 6000;
const Ogre::Real skyDistance = 10;

const int objectsPerKind = 35;
const Ogre::Real placementHalfWidthX = 3000;
const Ogre::Real placementHalfWidthZ = 1000;
const Ogre::Real crateHeight = 8;
const Ogre::Real targetHeight = 20;

} // namespace

Level::Level(Ogre::SceneManager* scene) : truck(new Truck(scene)), events(nullptr)
{
    Ogre::MeshManager::getSingleton().createPlane("ground", Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME,
        Ogre::Plane(Ogre::Vector3::UNIT_Y, 0), groundSize, groundSize, 1, 1, true, 1, 1.0f, 1.0f,
        Ogre::Vector3::UNIT_Z, Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY,
        Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY, true, true);
    Ogre::Entity* ground = scene->createEntity("GroundEntity", "ground");
    scene->getRootSceneNode()
        ->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY)
        ->attachObject(ground);
    ground->setMaterialName(Media::Materials::ground);
    ground->setCastShadows(false);
    scene->setSkyBox(true, Media::Materials::sky, skyDistance, true, Ogre::Quaternion::IDENTITY,
        Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);

    place<Crate>(scene, crateHeight, &Level::canPlaceCrate);
    place<Target>(scene, targetHeight, &Level::canPlaceTarget);
}

// Draws positions until the given number of objects of one kind have been accepted.
template <typename Shootable>
void Level::place(Ogre::SceneManager* scene, Ogre::Real height, bool (Level::*canPlace)(Ogre::Vector3))
{
    for (int placed = 0; placed < objectsPerKind;) {
        const Ogre::Real x = Ogre::Math::RangeRandom(-placementHalfWidthX, placementHalfWidthX);
        const Ogre::Real z = Ogre::Math::RangeRandom(-placementHalfWidthZ, placementHalfWidthZ);
        if ((this->*canPlace)(Ogre::Vector3(x, height, z))) {
            targets.push_back(new Shootable(scene, x, height, z));
            ++placed;
        }
    }
}

void Level::update(Ogre::Real totalTime, Ogre::Real frameTime)
{
    truck->update(totalTime, frameTime);
}

Ogre::SceneNode* Level::getTruckNode()
{
    return truck->getNode();
}

// Every object here was placed as a crate or a target.
void Level::setEventListener(GameEventListener* listener)
{
    events = listener;
    for (AbstractTarget* object : targets)
        static_cast<MeshTarget*>(object)->setEventListener(listener);
}

const std::deque<AbstractTarget*>& Level::getTargets() const
{
    return targets;
}
