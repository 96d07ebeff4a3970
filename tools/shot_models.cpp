// Every model of the game side by side on the ground under the sky, and the soldier aiming, close up.
#include "tools/ShotScene.h"

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

const Quaternion rifleInHand(Degree(90), Vector3::UNIT_X);

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
    ground->setMaterialName("Plane");
    ground->setCastShadows(false);
    scene->getRootSceneNode()->attachObject(ground);
    scene->setSkyBox(true, "Sky", 10, true);
}

Ogre::Entity* soldierWithRifle(Ogre::SceneManager* scene, const Vector3& position)
{
    Ogre::Entity* soldier = scene->createEntity("soldier.mesh");
    soldier->getSkeleton()->setBlendMode(Ogre::ANIMBLEND_CUMULATIVE);
    soldier->attachObjectToBone("hand_r", scene->createEntity("rifle.mesh"), rifleInHand);
    scene->getRootSceneNode()->createChildSceneNode(position)->attachObject(soldier);
    return soldier;
}

void pose(Ogre::Entity* soldier, const std::string& upper, float time)
{
    for (const auto& state : soldier->getAllAnimationStates()->getAnimationStates())
        state.second->setEnabled(false);
    soldier->getAnimationState("leg_stand")->setEnabled(true);
    Ogre::AnimationState* upperState = soldier->getAnimationState(upper);
    upperState->setEnabled(true);
    upperState->setTimePosition(time);
}

ShotSceneRegistrar modelsScene("models", [](ShotContext& context, const auto& save) {
    Ogre::SceneManager* scene = context.scene;
    layGroundAndSky(scene);

    Ogre::SceneNode* truck = place(scene, "truck.mesh", {-42, 12, -18}, Vector3(0.15f), Degree(-58))->getParentSceneNode();
    Ogre::MeshManager::getSingleton().createPlane("shot deck", Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME,
        Ogre::Plane(Vector3::UNIT_Y, 0), 100, 240, 1, 1, true, 1, 1, 1, Vector3::UNIT_Z);
    Ogre::Entity* deck = scene->createEntity("shot deck");
    deck->setMaterialName("Deck");
    truck->createChildSceneNode(Vector3(0, 0, 110))->attachObject(deck);

    Ogre::Entity* soldier = soldierWithRifle(scene, {0, 0, 2});
    pose(soldier, "up_weapon_hold", 0.0f);

    // Targets and crates as they look intact, cracked and destroyed.
    const Vector3 targetScale(3, 40, 20);
    place(scene, "target01.mesh", {20, 20, -6}, targetScale, Degree(-65));
    place(scene, "target01.mesh", {34, 20, -50}, targetScale, Degree(-80))->getSubEntity(1)->setMaterialName("target_cracked");
    place(scene, "target01.mesh", {60, 20, -45}, targetScale, Degree(-80))->getSubEntity(1)->setMaterialName("target_perish");
    place(scene, "doboz.mesh", {38, 8, 4}, Vector3(15), Degree(20));
    place(scene, "doboz.mesh", {56, 8, -14}, Vector3(15), Degree(-10))->setMaterialName("doboz_cracked");
    place(scene, "doboz.mesh", {-6, 8, -40}, Vector3(15), Degree(35))->setMaterialName("doboz_burning");
    Ogre::SceneNode* rifle = place(scene, "rifle.mesh", {38, 16, 4}, Vector3(1), Degree(70))->getParentSceneNode();
    rifle->pitch(Degree(90));
    rifle->roll(Degree(90));

    context.eye->setPosition(8, 26, 88);
    context.eye->lookAt(Vector3(6, 7, -10), Ogre::Node::TS_WORLD);
    save("");

    pose(soldier, "up_shoot", 0.75f);
    context.eye->setPosition(9, 13, 17);
    context.eye->lookAt(Vector3(-1, 9, 2), Ogre::Node::TS_WORLD);
    save("soldier-aim");
});

} // namespace
