#include "platform/Overlays.h"

#include <OgreSceneManager.h>

#include <Overlay/OgreOverlaySystem.h>

void createOverlaySystem()
{
    OGRE_NEW Ogre::OverlaySystem();
}

void attachOverlaySystem(Ogre::SceneManager* sceneManager)
{
    sceneManager->addRenderQueueListener(Ogre::OverlaySystem::getSingletonPtr());
}
