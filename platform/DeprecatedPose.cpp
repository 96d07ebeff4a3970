#include "platform/DeprecatedPose.h"

#include <OgreCamera.h>
#include <OgreLight.h>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace DeprecatedPose {

void setPosition(Ogre::Camera* camera, const Ogre::Vector3& position)
{
    camera->setPosition(position);
}

Ogre::Vector3 position(const Ogre::Camera* camera)
{
    return camera->getPosition();
}

void lookAt(Ogre::Camera* camera, const Ogre::Vector3& point)
{
    camera->lookAt(point);
}

void setDirection(Ogre::Camera* camera, const Ogre::Vector3& direction)
{
    camera->setDirection(direction);
}

void setOrientation(Ogre::Camera* camera, const Ogre::Quaternion& orientation)
{
    camera->setOrientation(orientation);
}

void setDirection(Ogre::Light* light, Ogre::Real x, Ogre::Real y, Ogre::Real z)
{
    light->setDirection(x, y, z);
}

} // namespace DeprecatedPose
