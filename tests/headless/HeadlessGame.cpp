#include "tests/headless/HeadlessGame.h"

#include "app/Startup.h"
#include "platform/Overlays.h"
#include "platform/PluginPaths.h"
#include "platform/QuietLog.h"
#include "world/Level.h"

#include <Ogre.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <cstdlib>
#include <vector>

namespace {

// Fixed unit values first, then the engine's own default source.
struct FixedFirstDraws : Ogre::Math::RandomValueProvider {
    std::vector<Ogre::Real> units;
    std::size_t next = 0;
    Ogre::Real getRandomUnit() override
    {
        return next < units.size() ? units[next++] : Ogre::Real(std::rand()) / float(RAND_MAX);
    }
};

} // namespace

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

Level* sharedLevel()
{
    static Level* level = nullptr;
    if (!level) {
        // x then z of each draw: 6000 u - 3000 and 2000 u - 1000.
        FixedFirstDraws draws;
        draws.units = {0.875f, 0.75f, 0.498046875f, 0.5f, 0.5f, 0.5f, 0.501953125f, 0.501953125f};
        Ogre::Math::SetRandomValueProvider(&draws);
        level = new Level(headlessScene());
        Ogre::Math::SetRandomValueProvider(nullptr);
    }
    return level;
}
