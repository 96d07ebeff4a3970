// A soldier with his HUD, follow camera and input controller, in a scene of his own or the one given, shooting
// at the shared level or the one given. Shots not aimed on purpose fly into empty sky.
#pragma once

#include "hud/GameHud.h"
#include "input/PlayerController.h"
#include "input/ThirdPersonCamera.h"
#include "player/Soldier.h"
#include "tests/headless/HeadlessGame.h"

#include <Ogre.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

struct SoldierRig {
    explicit SoldierRig(Ogre::SceneManager* in = nullptr, Level* level = sharedLevel())
        : scene(in ? in : newScene())
        , level(level)
    {
        soldier.setAimOrigin(Ogre::Vector3(0, 5000, 0)), follow.setCamera(camera), follow.setTarget(&soldier);
    }

    Ogre::SceneManager* scene;
    Level* level;
    GameHud hud;
    Soldier soldier{scene, &hud, level};
    Ogre::Entity* entity = scene->getEntity("player");
    Ogre::Camera* camera = scene->createCamera("Main Camera");
    ThirdPersonCamera follow;
    PlayerController controller{&soldier, &follow, &hud};

    // Frames of the soldier alone, or with the camera and the HUD after him as in the game.
    void frames(int count, Ogre::Real dt, bool withCameraAndHud = false)
    {
        for (; count > 0; --count) {
            soldier.update(0, dt);
            if (withCameraAndHud)
                follow.update(0, dt), hud.update(0, dt);
        }
    }
    bool playing(const char* animation) const { return entity->getAnimationState(animation)->getEnabled(); }
    Ogre::AnimationState* shootAnimation() const { return entity->getAnimationState("up_shoot"); }
    Ogre::Vector3 facing() const { return entity->getParentSceneNode()->getOrientation() * Ogre::Vector3::UNIT_Z; }
    bool standsAt(Ogre::Real x, Ogre::Real y, Ogre::Real z) const { return soldier.getPosition().positionEquals({x, y, z}); }
    // As the next HUD update shows it.
    bool shown(const char* element)
    {
        hud.update(0, 0);
        return Ogre::OverlayManager::getSingleton().getOverlayElement(element)->isVisible();
    }
};
