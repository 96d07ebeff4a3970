#include "app/Startup.h"

#include "app/EngineAdaptations.h"
#include "app/WindowClosePump.h"

#include <OgreLight.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>

#include <Bites/OgreWindowEventUtilities.h>

#include <filesystem>

Ogre::Root* gRoot = nullptr;
Ogre::RenderWindow* gRenderWindow = nullptr;
Ogre::SceneManager* gSceneManager = nullptr;

namespace {

struct MediaLocation {
    const char* path;
    bool recursive;
};

const MediaLocation mediaLocations[] = {
    {"media", true},
    {"media/sky", true},
    {"media/plane", true},
    {"media/character", false},
    {"media/truck", false},
    {"media/hud", false},
    {"media/target", false},
    {"media/crate", false},
};

WindowClosePump* closePump = nullptr;

void createMainLight()
{
    Ogre::Light* light = gSceneManager->createLight("mainLight0");
    light->setType(Ogre::Light::LT_DIRECTIONAL);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    light->setDirection(0.4f, -1.0f, 0.0f);
#pragma GCC diagnostic pop
}

} // namespace

void registerMediaLocations()
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    for (const MediaLocation& location : mediaLocations) {
        if (!std::filesystem::is_directory(location.path))
            OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND,
                std::string("media folder '") + location.path + "' not found in the working directory",
                "registerMediaLocations");
        resources.addResourceLocation(location.path, "FileSystem", "General", location.recursive);
    }
}

void startEngine()
{
    gRoot = OGRE_NEW Ogre::Root("", "", "Ogre.log");
    prepareEngine();
    gRoot->loadPlugin(renderSystemPlugin());
    gRoot->loadPlugin(octreePlugin());
    gRoot->setRenderSystem(gRoot->getAvailableRenderers().at(0));
    gRoot->initialise(false, "OGRE Render Window", Ogre::BLANKSTRING);
    gRenderWindow = gRoot->createRenderWindow("Corvane", 1024, 768, false, nullptr);
    closePump = new WindowClosePump(gRenderWindow);
    gSceneManager = gRoot->createSceneManager("OctreeSceneManager", Ogre::BLANKSTRING);
    attachOverlaySystem(gSceneManager);
    createMainLight();
    gSceneManager->setAmbientLight(Ogre::ColourValue(0.7f, 0.7f, 0.7f, 1.0f));
    registerShadowVolumePrograms();
    gSceneManager->setShadowTechnique(Ogre::SHADOWTYPE_STENCIL_ADDITIVE);
    registerMediaLocations();
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
    finishResourceLoading();
}

void runMainLoop()
{
    for (;;) {
        if (gRenderWindow->isClosed()) {
            gRoot->shutdown();
            break;
        }
        closePump->pump();
        OgreBites::WindowEventUtilities::messagePump();
        if (!gRoot->renderOneFrame()) {
            gRoot->shutdown();
            break;
        }
    }
}
