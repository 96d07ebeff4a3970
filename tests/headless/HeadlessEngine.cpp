#include "tests/headless/HeadlessEngine.h"

#include "app/EngineAdaptations.h"
#include "app/Startup.h"

#include <OgreDefaultHardwareBufferManager.h>
#include <OgreGpuProgramManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreTextureManager.h>

Ogre::SceneManager* headlessScene()
{
    static Ogre::SceneManager* scene = nullptr;
    if (scene)
        return scene;
    Ogre::Root* root = OGRE_NEW Ogre::Root("", "", "headless.log");
    prepareEngine();
    OGRE_NEW Ogre::DefaultHardwareBufferManager();
    OGRE_NEW Ogre::DefaultTextureManager();
    OGRE_NEW Ogre::GpuProgramManager();
    Ogre::MaterialManager::getSingleton().initialise();
    Ogre::MeshManager::getSingleton()._initialise();
    registerMediaLocations();
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
    finishResourceLoading();
    scene = root->createSceneManager("DefaultSceneManager");
    attachOverlaySystem(scene);
    return scene;
}
