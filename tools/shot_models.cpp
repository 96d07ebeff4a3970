// Every model of the game side by side on the ground under the sky, and the soldier aiming, close up.
#include "tools/ShotScene.h"

#include "common/MediaContract.h"

#include <OgreAnimationState.h>
#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSkeletonInstance.h>
#include <OgreSubEntity.h>

namespace {

using Ogre::Degree;
using Ogre::Quaternion;
using Ogre::Vector3;

const Quaternion rifleInHand(Degree(Media::rifleTurnDegrees), Vector3::UNIT_X);

Ogre::Entity* place(Ogre::SceneManager* scene, const std::string& mesh, const Vector3& position,
    const Vector3& scale, Degree heading)
{
    Ogre::Entity* entity = scene->createEntity(mesh);
    Ogre::SceneNode* node = scene->getRootSceneNode()->createChildSceneNode(position);
    node->setScale(scale);
    node->yaw(heading);
    node->attachObject(entity);
    return entity;
}

void layGroundAndSky(Ogre::SceneManager* scene)
{
    Ogre::MeshManager::getSingleton().createPlane("shot ground", Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME,
        Ogre::Plane(Vector3::UNIT_Y, 0), 6000, 6000, 1, 1, true, 1, 1, 1, Vector3::UNIT_Z);
    Ogre::Entity* ground = scene->createEntity("shot ground");
    ground->setMaterialName(Media::Materials::ground);
    ground->setCastShadows(false);
    scene->getRootSceneNode()->attachObject(ground);
    scene->setSkyBox(true, Media::Materials::sky, 10, true);
}

Ogre::Entity* soldierWithRifle(Ogre::SceneManager* scene, const Vector3& position)
{
    Ogre::Entity* soldier = scene->createEntity(Media::soldierMesh);
    soldier->getSkeleton()->setBlendMode(Ogre::ANIMBLEND_CUMULATIVE);
    soldier->attachObjectToBone(Media::rifleHandBone, scene->createEntity(Media::rifleMesh), rifleInHand);
    scene->getRootSceneNode()->createChildSceneNode(position)->attachObject(soldier);
    return soldier;
}

void pose(Ogre::Entity* soldier, const std::string& upper, float time)
{
    for (const auto& state : soldier->getAllAnimationStates()->getAnimationStates())
        state.second->setEnabled(false);
    soldier->getAnimationState(Media::legStandAnimation)->setEnabled(true);
    Ogre::AnimationState* upperState = soldier->getAnimationState(upper);
    upperState->setEnabled(true);
    upperState->setTimePosition(time);
}

ShotSceneRegistrar modelsScene("models", [](ShotContext& context, const auto& save) {
    Ogre::SceneManager* scene = context.scene;
    context.eye->setFixedYawAxis(true);
    layGroundAndSky(scene);

    Ogre::Entity* truckBody = place(scene, Media::truckMesh, {-20, 12, -44}, Vector3(0.15f), Degree(-40));
    truckBody->setCastShadows(false);
    Ogre::SceneNode* truck = truckBody->getParentSceneNode();
    Ogre::MeshManager::getSingleton().createPlane("shot deck", Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME,
        Ogre::Plane(Vector3::UNIT_Y, 0), 100, 240, 1, 1, true, 1, 1, 1, Vector3::UNIT_Z);
    Ogre::Entity* deck = scene->createEntity("shot deck");
    deck->setMaterialName(Media::Materials::deck);
    truck->createChildSceneNode(Vector3(0, 0, 110))->attachObject(deck);

    Ogre::Entity* soldier = soldierWithRifle(scene, {-6, 0, 14});
    pose(soldier, Media::upperHoldAnimation, 0.0f);

    // Targets and crates as they look intact, cracked and destroyed.
    const Vector3 targetScale(3, 40, 20);
    place(scene, Media::targetMesh, {14, 20, 0}, targetScale, Degree(-60));
    place(scene, Media::targetMesh, {28, 20, -52}, targetScale, Degree(-70))->getSubEntity(1)->setMaterialName(Media::Materials::targetCracked);
    place(scene, Media::targetMesh, {52, 20, -46}, targetScale, Degree(-70))->getSubEntity(1)->setMaterialName(Media::Materials::targetDestroyed);
    place(scene, Media::crateMesh, {26, 8, 16}, Vector3(15), Degree(20));
    place(scene, Media::crateMesh, {44, 8, -14}, Vector3(15), Degree(-10))->setMaterialName(Media::Materials::crateCracked);
    place(scene, Media::crateMesh, {2, 8, -70}, Vector3(15), Degree(35))->setMaterialName(Media::Materials::crateDestroyed);
    // Lying on the crate: barrel along X, sights up.
    Ogre::SceneNode* rifle = place(scene, Media::rifleMesh, {26, 16.1f, 16}, Vector3(1), Degree(20))->getParentSceneNode();
    rifle->rotate(Quaternion(Vector3::NEGATIVE_UNIT_Z, Vector3::UNIT_X, Vector3::NEGATIVE_UNIT_Y));

    context.eye->setPosition(-8, 22, 104);
    context.eye->lookAt(Vector3(-6, 11, -12), Ogre::Node::TS_WORLD);
    save("");

    pose(soldier, Media::upperShootAnimation, Media::ShootTimes::aimPose);
    context.eye->setPosition(-21, 12.5f, 31);
    context.eye->lookAt(Vector3(-6, 9, 17), Ogre::Node::TS_WORLD);
    save("soldier-aim");
});

} // namespace
