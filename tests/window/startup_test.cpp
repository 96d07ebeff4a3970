// The engine's fixed start-up, the game's assembly and its frame loop, in a real window.
#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "app/mainFrameListener.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "tests/window/GameRun.h"
#include "world/Level.h"

#include <OgreCamera.h>
#include <OgreLight.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreViewport.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

// After gtest: Xlib defines macros that clash with it.
#include <X11/Xlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

void startInScratchFolder()
{
    static const GameRun scratch(true);
    scratch.enter();
    startEngine();
}

Ogre::OverlayElement* hudElement(const char* name)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(name);
}

} // namespace

TEST(Startup, BuildsTheFixedEngineConfiguration)
{
    startInScratchFolder();
    EXPECT_TRUE(std::filesystem::exists("Ogre.log"));
    for (const char* file : {"ogre.cfg", "plugins.cfg", "resources.cfg"})
        EXPECT_FALSE(std::filesystem::exists(file)) << file;

    EXPECT_TRUE(gRenderWindow->getWidth() == 1024 && gRenderWindow->getHeight() == 768 && !gRenderWindow->isFullScreen());
    Display* display = nullptr;
    Window window = 0;
    char* title = nullptr;
    gRenderWindow->getCustomAttribute("XDISPLAY", &display);
    gRenderWindow->getCustomAttribute("WINDOW", &window);
    ASSERT_TRUE(XFetchName(display, window, &title) && title);
    EXPECT_STREQ(title, "Corvane");
    XFree(title);

    ASSERT_EQ(gSceneManager->getMovableObjects("Light").size(), 1u);
    Ogre::Light* light = gSceneManager->getLight("mainLight0");
    EXPECT_EQ(light->getType(), Ogre::Light::LT_DIRECTIONAL);
    EXPECT_EQ(light->getDerivedDirection(), Ogre::Vector3(0.4f, -1.0f, 0.0f));
    EXPECT_EQ(gSceneManager->getAmbientLight(), Ogre::ColourValue(0.7f, 0.7f, 0.7f, 1.0f));
    EXPECT_EQ(gSceneManager->getShadowTechnique(), Ogre::SHADOWTYPE_STENCIL_ADDITIVE);

    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    std::vector<std::string> locations;
    for (const Ogre::ResourceGroupManager::ResourceLocation& location : resources.getResourceLocationList("General"))
        locations.push_back(location.archive->getName());
    EXPECT_EQ(locations, std::vector<std::string>({"media", "media/sky", "media/plane", "media/character",
        "media/truck", "media/hud", "media/target", "media/crate"}));
    for (const std::string& group : resources.getResourceGroups())
        EXPECT_TRUE(resources.isResourceGroupInitialised(group)) << group;
    // The first frame needs the shadow-volume programs.
    EXPECT_TRUE(gRoot->renderOneFrame());
}

// Assembly in order, then the frame listener: all five updates run even when no time passes.
TEST(Assembly, WiresTheGameInOrderAndEveryFrameAdvancesEveryObject)
{
    startInScratchFolder();
    assembleGame();
    ASSERT_EQ(gRenderWindow->getNumViewports(), 1u);
    Ogre::Viewport* viewport = gRenderWindow->getViewport(0);
    EXPECT_EQ(viewport->getCamera()->getName(), "Main Camera");
    EXPECT_TRUE(viewport->getActualWidth() == 1024 && viewport->getActualHeight() == 768);
    EXPECT_TRUE(gCamera->getNearClipDistance() == 1 && gCamera->getFarClipDistance() == 500);
    // The follow camera has replaced the start pose before the first frame.
    EXPECT_EQ(gCamera->getDerivedPosition(), Ogre::Vector3(0, 5, -35));

    std::stringstream log;
    log << std::ifstream("Ogre.log").rdbuf();
    std::size_t previous = 0;
    for (const char* step : {"*** Initializing OIS ***", "Mesh: Loading truck.mesh", "Mesh: Loading doboz.mesh",
             "Mesh: Loading target01.mesh", "Mesh: Loading soldier.mesh"}) {
        const std::size_t at = log.str().find(step);
        EXPECT_TRUE(at != std::string::npos && at > previous) << step;
        previous = at;
    }

    // The registered listener: the soldier boards the truck at its start pose (0, 12, 30), the camera follows.
    ASSERT_TRUE(gRoot->renderOneFrame());
    EXPECT_EQ(gPlayer->getPosition(), Ogre::Vector3(0, 12, 45));
    EXPECT_EQ(gCamera->getDerivedPosition(), Ogre::Vector3(0, 27, 10));
    // A listener of our own: the HUD shows its counters of the same frame and the truck drives.
    mainFrameListener listener;
    gHud->magazine = 17;
    const Ogre::Vector3 truckAt = gLevel->getTruckNode()->getPosition();
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0.25f;
    EXPECT_TRUE(listener.frameStarted(event));
    EXPECT_EQ(hudElement("Magazine")->getCaption(), "17");
    EXPECT_GT(gLevel->getTruckNode()->getPosition().distance(truckAt), 5);
    listener.frameStarted(event);
    EXPECT_EQ(listener.getTotalTime(), 0.5f);

    // The end of the game only changes what the HUD shows.
    gHud->magazine = 0;
    gHud->ammo = 0;
    EXPECT_TRUE(listener.frameStarted(Ogre::FrameEvent{}));
    EXPECT_TRUE(hudElement("EndGame0")->isVisible());
    EXPECT_TRUE(gRoot->renderOneFrame());
}
