#include "tests/headless/HeadlessEngine.h"

#include "app/Startup.h"
#include "app/platform/Overlays.h"
#include "app/platform/PluginPaths.h"
#include "app/platform/QuietLog.h"

#include <Ogre.h>
#include <OgreDefaultHardwareBufferManager.h>

Ogre::SceneManager* headlessScene()
{
    static Ogre::SceneManager* scene = nullptr;
    if (scene)
        return scene;
    createQuietLog("headless.log");
    Ogre::Root* root = OGRE_NEW Ogre::Root("", "", "headless.log");
    createOverlaySystem();
    root->loadPlugin(imageCodecPlugin());
    OGRE_NEW Ogre::DefaultHardwareBufferManager();
    OGRE_NEW Ogre::DefaultTextureManager();
    OGRE_NEW Ogre::GpuProgramManager();
    Ogre::MaterialManager::getSingleton().initialise();
    Ogre::MeshManager::getSingleton()._initialise();
    registerMediaLocations();
    loadMedia();
    scene = root->createSceneManager("DefaultSceneManager");
    attachOverlaySystem(scene);
    return scene;
}
