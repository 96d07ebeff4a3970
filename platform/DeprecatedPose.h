// Camera and light poses through the interface the game was written for: deprecated in this
// engine, still present and working as before. The one place their warnings are silenced.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

namespace DeprecatedPose {

void setPosition(Ogre::Camera* camera, const Ogre::Vector3& position);
Ogre::Vector3 position(const Ogre::Camera* camera);
void lookAt(Ogre::Camera* camera, const Ogre::Vector3& point);
void setDirection(Ogre::Camera* camera, const Ogre::Vector3& direction);
void setOrientation(Ogre::Camera* camera, const Ogre::Quaternion& orientation);

// Passed on as given, unnormalised.
void setDirection(Ogre::Light* light, Ogre::Real x, Ogre::Real y, Ogre::Real z);

} // namespace DeprecatedPose
