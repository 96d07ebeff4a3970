#include "app/Startup.h"

#include <OgreLight.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

// After gtest: Xlib defines macros that clash with it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string windowTitle(Ogre::RenderWindow* window)
{
    Display* display = nullptr;
    Window handle = 0;
    window->getCustomAttribute("XDISPLAY", &display);
    window->getCustomAttribute("WINDOW", &handle);
    char* name = nullptr;
    XFetchName(display, handle, &name);
    std::string title = name ? name : "";
    XFree(name);
    return title;
}

} // namespace

TEST(Startup, BuildsTheFixedEngineConfiguration)
{
    namespace fs = std::filesystem;
    const GameRun scratch(true);
    scratch.enter();
    startEngine();

    EXPECT_TRUE(fs::exists("Ogre.log"));
    for (const char* file : {"ogre.cfg", "plugins.cfg", "resources.cfg"})
        EXPECT_FALSE(fs::exists(file)) << file;

    EXPECT_EQ(gRenderWindow->getWidth(), 1024u);
    EXPECT_EQ(gRenderWindow->getHeight(), 768u);
    EXPECT_FALSE(gRenderWindow->isFullScreen());
    EXPECT_EQ(windowTitle(gRenderWindow), "Corvane");

    const auto& lights = gSceneManager->getMovableObjects("Light");
    ASSERT_EQ(lights.size(), 1u);
    Ogre::Light* light = gSceneManager->getLight("mainLight0");
    EXPECT_EQ(light->getType(), Ogre::Light::LT_DIRECTIONAL);
    EXPECT_EQ(light->getDerivedDirection(), Ogre::Vector3(0.4f, -1.0f, 0.0f));
    EXPECT_EQ(gSceneManager->getAmbientLight(), Ogre::ColourValue(0.7f, 0.7f, 0.7f, 1.0f));
    EXPECT_EQ(gSceneManager->getShadowTechnique(), Ogre::SHADOWTYPE_STENCIL_ADDITIVE);

    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    std::vector<std::string> locations;
    for (const Ogre::ResourceGroupManager::ResourceLocation& location : resources.getResourceLocationList("General"))
        locations.push_back(location.archive->getName());
    const std::vector<std::string> expected = {"media", "media/sky", "media/plane", "media/character",
        "media/truck", "media/hud", "media/target", "media/crate"};
    EXPECT_EQ(locations, expected);
    for (const std::string& group : resources.getResourceGroups())
        EXPECT_TRUE(resources.isResourceGroupInitialised(group)) << group;

    // The first frame needs the shadow-volume programs.
    EXPECT_TRUE(gRoot->renderOneFrame());
}
