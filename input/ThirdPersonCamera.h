// Places the game camera behind the soldier, or over his right shoulder while he aims.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

#include "input/RightHandSide.h"

class Soldier;

class ThirdPersonCamera {
public:
    ThirdPersonCamera();

    void setCamera(Ogre::Camera* camera);
    void setTarget(Soldier* target);
    void setAiming(bool aiming);

    // One-off placement behind the soldier, once camera and target are both set.
    void placeBehindTarget();

    // Per-frame placement; hands the eye position to the soldier as the origin of his shots.
    void update(Ogre::Real totalTime, Ogre::Real timeSinceLastFrame);

private:
    void place(const Ogre::Vector3& position, const Ogre::Vector3& direction);

    Ogre::Camera* camera;
    Soldier* target;
    Ogre::Real distance;
    bool aiming;
    RightHandSide side;
};
