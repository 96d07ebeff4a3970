#include "app/Startup.h"

#include "app/FatalError.h"
#include "common/MediaContract.h"
#include "platform/DeprecatedPose.h"
#include "platform/FontLoading.h"
#include "platform/LogLock.h"
#include "platform/MediaCheck.h"
#include "platform/MediaErrorWatcher.h"
#include "platform/Overlays.h"
#include "platform/PluginPaths.h"
#include "platform/QuietLog.h"
#include "platform/ShadowVolumePrograms.h"
#include "platform/SplitPassFog.h"
#include "platform/WindowClose.h"
#include "platform/WindowIdentity.h"
#include "platform/XErrorLog.h"

#include <OgreLight.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <Bites/OgreWindowEventUtilities.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

Ogre::Root* gRoot = nullptr;
Ogre::RenderWindow* gRenderWindow = nullptr;
Ogre::SceneManager* gSceneManager = nullptr;

namespace {

struct MediaLocation {
    const char* path;
    bool recursive;
};

// The first holds all the others.
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

const char* const logFile = "Ogre.log";

// Xlib allows no way back from a broken connection.
void endOnLostDisplay()
{
    std::cerr << describeFatalError(std::make_exception_ptr(std::runtime_error("lost the connection to the X display"))) << std::endl;
    std::_Exit(1);
}

// Hidden until the desktop can tell whose it is. With vertical sync a real graphics card draws at the
// display's rate; the software renderer has none and draws as before.
const Ogre::NameValuePairList windowOptions = {{"hidden", "true"}, {"vsync", "true"}};

std::vector<std::string> windowIconPictures()
{
    std::vector<std::string> pictures;
    for (const Media::WindowIcon& icon : Media::windowIcons)
        pictures.push_back(std::string(Media::windowIconFolder) + "/" + icon.file);
    return pictures;
}

void createMainLight()
{
    Ogre::Light* light = gSceneManager->createLight("mainLight0");
    light->setType(Ogre::Light::LT_DIRECTIONAL);
    DeprecatedPose::setDirection(light, 0.4f, -1.0f, 0.0f);
}

} // namespace

Ogre::RenderSystem* firstAvailableRenderer()
{
    const Ogre::RenderSystemList& renderers = Ogre::Root::getSingleton().getAvailableRenderers();
    if (renderers.empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR, "no render system could be loaded", "firstAvailableRenderer");
    return renderers.front();
}

// A missing sub-folder is accepted, as the engine accepts it: its files may lie elsewhere in the
// tree, and the media check finds whatever is really missing.
void registerMediaLocations()
{
    const char* const tree = mediaLocations[0].path;
    if (!std::filesystem::is_directory(tree))
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND,
            std::string("media folder '") + tree + "' not found in the working directory", "registerMediaLocations");
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    for (const MediaLocation& location : mediaLocations)
        resources.addResourceLocation(location.path, "FileSystem", "General", location.recursive);
}

void loadMedia()
{
    MediaErrorWatcher errors;
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
    loadAllFonts();
    errors.throwIfAnyError();
    checkRequiredMaterials();
    checkMeshFiles();
    checkFontFiles();
    loadMeshes();
    loadMaterials();
    errors.throwIfAnyError();
    mendSplitPassFog();
}

void claimLog()
{
    if (!lockLog(logFile))
        throw std::runtime_error("another copy of the game is already running in " + std::filesystem::current_path().string());
}

void startEngine()
{
    createQuietLog(logFile);
    logXErrors(endOnLostDisplay);
    gRoot = OGRE_NEW Ogre::Root("", "", logFile);
    createOverlaySystem();
    gRoot->loadPlugin(imageCodecPlugin());
    gRoot->loadPlugin(renderSystemPlugin());
    gRoot->loadPlugin(octreePlugin());
    gRoot->setRenderSystem(firstAvailableRenderer());
    gRoot->initialise(false, "OGRE Render Window", Ogre::BLANKSTRING);
    gRenderWindow = gRoot->createRenderWindow("Corvane", 1024, 768, false, &windowOptions);
    acceptCloseRequests(gRenderWindow);
    introduceWindow(gRenderWindow);
    gRenderWindow->setHidden(false);
    gSceneManager = gRoot->createSceneManager("OctreeSceneManager", Ogre::BLANKSTRING);
    attachOverlaySystem(gSceneManager);
    createMainLight();
    gSceneManager->setAmbientLight(Ogre::ColourValue(0.7f, 0.7f, 0.7f, 1.0f));
    registerShadowVolumePrograms();
    gSceneManager->setShadowTechnique(Ogre::SHADOWTYPE_STENCIL_ADDITIVE);
    registerMediaLocations();
    loadMedia();
    showWindowIcon(gRenderWindow, windowIconPictures());
}

void runMainLoop()
{
    for (;;) {
        if (gRenderWindow->isClosed()) {
            gRoot->shutdown();
            break;
        }
        pumpCloseRequests(gRenderWindow);
        OgreBites::WindowEventUtilities::messagePump();
        if (!gRoot->renderOneFrame()) {
            gRoot->shutdown();
            break;
        }
    }
}
