#include "app/EngineAdaptations.h"

#include "app/MediaErrorWatcher.h"
#include "app/MediaCheck.h"

#include <OgreLogManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlaySystem.h>

namespace {

const std::string pluginDir = CORVANE_OGRE_PLUGIN_DIR;
const std::string engineMediaDir = CORVANE_OGRE_MEDIA_DIR;

Ogre::OverlaySystem* overlaySystem = nullptr;
MediaErrorWatcher mediaErrors;

// Glyph textures need a render system; without one (the generator, tests) fonts stay unloaded.
void loadAllFonts()
{
    if (!Ogre::Root::getSingleton().getRenderSystem())
        return;
    Ogre::FontManager& fonts = Ogre::FontManager::getSingleton();
    for (const auto& entry : fonts.getResourceIterator())
        entry.second->load();
}

} // namespace

std::string renderSystemPlugin()
{
    return pluginDir + "/RenderSystem_GL";
}

std::string octreePlugin()
{
    return pluginDir + "/Plugin_OctreeSceneManager";
}

void prepareEngine()
{
    Ogre::Log* log = Ogre::LogManager::getSingleton().getDefaultLog();
    log->setDebugOutputEnabled(false);
    log->addListener(&mediaErrors);
    overlaySystem = OGRE_NEW Ogre::OverlaySystem();
    Ogre::Root::getSingleton().loadPlugin(pluginDir + "/Codec_STBI");
}

void attachOverlaySystem(Ogre::SceneManager* sceneManager)
{
    sceneManager->addRenderQueueListener(overlaySystem);
}

void registerShadowVolumePrograms()
{
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(
        engineMediaDir + "/ShadowVolume", "FileSystem",
        Ogre::ResourceGroupManager::INTERNAL_RESOURCE_GROUP_NAME);
}

void finishResourceLoading()
{
    loadAllFonts();
    Ogre::LogManager::getSingleton().getDefaultLog()->removeListener(&mediaErrors);
    mediaErrors.throwIfAnyError();
    checkRequiredMaterials();
    checkMeshFiles();
    checkFontFiles();
}
