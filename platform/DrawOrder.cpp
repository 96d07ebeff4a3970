#include "platform/DrawOrder.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>

void drawSkyLast(Ogre::SceneManager* scene, Ogre::Entity* ground, const Ogre::String& skyMaterial)
{
    // Twice the ground's diagonal: farther than any point of the ground from a camera over it.
    const Ogre::Real beyondGround = 2 * ground->getWorldBoundingBox(true).getSize().length();
    scene->setSkyBox(true, skyMaterial, beyondGround, false, Ogre::Quaternion::IDENTITY,
        Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
}
