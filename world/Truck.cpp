#include "world/Truck.h"

#include "common/MediaContract.h"

#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cmath>

namespace {

const Ogre::Real truckScale = 0.15f;
const Ogre::Vector3 startPosition(0, 12, 30);
const Ogre::Real deckWidth = 100;
const Ogre::Real deckLength = 240;
const Ogre::Vector3 deckOffset(0, 0, 110);

const Ogre::Real pathSemiAxisX = 2500;
const Ogre::Real pathSemiAxisZ = 500;
const Ogre::Real pathHeight = 12;
const Ogre::Real pathRate = 0.05f;
const Ogre::Real quarterTurn = 1.5707960f;
// Driving time of one lap; the time is kept below it so that small frame times still add up.
const Ogre::Real lapTime = Ogre::Math::TWO_PI / pathRate;

// Single-precision results of the double-precision functions at a single-precision angle.
Ogre::Real cosine(Ogre::Real angle)
{
    return static_cast<Ogre::Real>(std::cos(static_cast<double>(angle)));
}

Ogre::Real sine(Ogre::Real angle)
{
    return static_cast<Ogre::Real>(std::sin(static_cast<double>(angle)));
}

} // namespace

Truck::Truck(Ogre::SceneManager* scene) : deckNode(nullptr), node(nullptr), time(0.0f)
{
    node = scene->getRootSceneNode()->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    Ogre::Entity* body = scene->createEntity("truck", Media::truckMesh);
    body->setCastShadows(false);
    node->attachObject(body);
    node->scale(truckScale, truckScale, truckScale);
    node->translate(startPosition, Ogre::Node::TS_PARENT);

    Ogre::MeshManager::getSingleton().createPlane("deck", Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME,
        Ogre::Plane(Ogre::Vector3::UNIT_Y, 0), deckWidth, deckLength, 1, 1, true, 1, 1.0f, 1.0f,
        Ogre::Vector3::UNIT_Z, Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY,
        Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY, true, true);
    // Casts a shadow, as every entity does unless told otherwise.
    Ogre::Entity* deck = scene->createEntity("deckEntity", "deck");
    deckNode = node->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    deckNode->attachObject(deck);
    deckNode->translate(deckOffset, Ogre::Node::TS_PARENT);
    deck->setMaterialName(Media::Materials::deck);
}

void Truck::update(Ogre::Real, Ogre::Real frameTime)
{
    time = std::fmod(time + frameTime, lapTime);
    const Ogre::Real angle = time * pathRate;
    node->setPosition(pathSemiAxisX * cosine(angle), pathHeight, pathSemiAxisZ * sine(angle));
    node->setOrientation(Ogre::Quaternion::IDENTITY);

    // The node's -Z points back along the path: the ellipse's inward normal, a quarter turn about Y.
    const Ogre::Real turned = angle + quarterTurn;
    const Ogre::Vector3 inward(-sine(turned), 0, cosine(turned));
    const Ogre::Vector3 inwardNormal(inward.x / pathSemiAxisX, 0, inward.z / pathSemiAxisZ);
    const Ogre::Vector3 backward =
        Ogre::Quaternion(Ogre::Radian(-quarterTurn), Ogre::Vector3::UNIT_Y) * inwardNormal;
    node->setDirection(backward, Ogre::Node::TS_LOCAL, Ogre::Vector3::NEGATIVE_UNIT_Z);
}

Ogre::SceneNode* Truck::getNode()
{
    return node;
}
