#include "input/ThirdPersonCamera.h"

#include "platform/DeprecatedPose.h"
#include "player/Soldier.h"

#include <OgreCamera.h>

namespace {

const Ogre::Real placementHeight = 5.0f;
const Ogre::Real normalHeight = 15.0f;
const Ogre::Real aimingBackOffset = 10.0f;
const Ogre::Real aimingSideOffset = 4.0f;
const Ogre::Real aimingHeight = 10.0f;

} // namespace

ThirdPersonCamera::ThirdPersonCamera()
    : camera(nullptr)
    , target(nullptr)
    , distance(35.0f)
    , aiming(false)
{
}

void ThirdPersonCamera::setCamera(Ogre::Camera* newCamera)
{
    camera = newCamera;
    placeBehindTarget();
}

void ThirdPersonCamera::setTarget(Soldier* newTarget)
{
    target = newTarget;
    placeBehindTarget();
}

void ThirdPersonCamera::setAiming(bool newAiming)
{
    aiming = newAiming;
}

void ThirdPersonCamera::placeBehindTarget()
{
    if (!camera || !target)
        return;
    const Ogre::Vector3 d = target->getAimDirection();
    const Ogre::Vector3 p = target->getPosition();
    place((p - d * distance) + Ogre::Vector3(0, placementHeight, 0), d);
}

void ThirdPersonCamera::update(Ogre::Real, Ogre::Real)
{
    const Ogre::Vector3 d = target->getAimDirection();
    const Ogre::Vector3 p = target->getPosition();
    if (aiming)
        place(((p - d * aimingBackOffset) + side.of(d) * aimingSideOffset) + Ogre::Vector3(0, aimingHeight, 0), d);
    else
        place((p - d * distance) + Ogre::Vector3(0, normalHeight, 0), d);
    target->setAimOrigin(DeprecatedPose::position(camera));
}

void ThirdPersonCamera::place(const Ogre::Vector3& position, const Ogre::Vector3& direction)
{
    DeprecatedPose::setPosition(camera, position);
    // Straight up or down the engine cannot keep the camera's yaw axis: keep the last orientation.
    if (!direction.crossProduct(Ogre::Vector3::UNIT_Y).isZeroLength())
        DeprecatedPose::setDirection(camera, direction);
}
