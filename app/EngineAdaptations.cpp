#include "app/EngineAdaptations.h"

#include "app/MediaErrorWatcher.h"
#include "app/MediaCheck.h"

#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreTechnique.h>
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

// Additive stencil shadows split each lit pass into an ambient, a per-light and a decal pass, and
// the engine fogs all three alike: the light adds the fog colour once more and the decal multiplies
// it by itself. Fogging the light towards black and the decal towards white keeps one haze colour.
void fogSplitPassesOnce()
{
    if (!Ogre::Root::getSingleton().getRenderSystem())
        return;
    for (const auto& entry : Ogre::MaterialManager::getSingleton().getResourceIterator()) {
        Ogre::Material* material = static_cast<Ogre::Material*>(entry.second.get());
        material->load();
        for (Ogre::Technique* technique : material->getSupportedTechniques()) {
            for (const Ogre::IlluminationPass* split : technique->getIlluminationPasses()) {
                const Ogre::Pass* original = split->originalPass;
                if (split->pass == original || !original->getFogOverride() || split->stage == Ogre::IS_AMBIENT)
                    continue;
                const Ogre::ColourValue towards =
                    split->stage == Ogre::IS_PER_LIGHT ? Ogre::ColourValue::Black : Ogre::ColourValue::White;
                split->pass->setFog(true, original->getFogMode(), towards, original->getFogDensity(),
                    original->getFogStart(), original->getFogEnd());
            }
        }
    }
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
    fogSplitPassesOnce();
}
