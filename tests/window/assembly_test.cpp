#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "app/mainFrameListener.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "world/Level.h"

#include <OgreCamera.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreViewport.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

Ogre::OverlayElement* hudElement(const char* name)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(name);
}

void startGame()
{
    static const GameRun scratch(true);
    scratch.enter();
    startEngine();
    assembleGame();
}

} // namespace

TEST(Assembly, WiresTheGameInOrder)
{
    startGame();
    ASSERT_EQ(gRenderWindow->getNumViewports(), 1u);
    Ogre::Viewport* viewport = gRenderWindow->getViewport(0);
    EXPECT_EQ(viewport->getCamera()->getName(), "Main Camera");
    EXPECT_EQ(viewport->getActualWidth(), 1024);
    EXPECT_EQ(viewport->getActualHeight(), 768);
    EXPECT_EQ(gCamera->getNearClipDistance(), 1);
    EXPECT_EQ(gCamera->getFarClipDistance(), 500);

    // The follow camera has replaced the start pose before the first frame.
    EXPECT_EQ(gCamera->getDerivedPosition(), Ogre::Vector3(0, 5, -35));
    ASSERT_TRUE(gRoot->renderOneFrame());
    // Riding from the first frame: on the deck of the truck at its start pose (0, 12, 30).
    EXPECT_EQ(gPlayer->getPosition(), Ogre::Vector3(0, 12, 45));
    EXPECT_EQ(gCamera->getDerivedPosition(), Ogre::Vector3(0, 27, 10));

    std::stringstream log;
    log << std::ifstream("Ogre.log").rdbuf();
    std::size_t previous = 0;
    for (const char* step : {"*** Initializing OIS ***", "Mesh: Loading truck.mesh", "Mesh: Loading doboz.mesh",
             "Mesh: Loading target01.mesh", "Mesh: Loading soldier.mesh"}) {
        const std::size_t at = log.str().find(step);
        EXPECT_TRUE(at != std::string::npos && at > previous) << step;
        previous = at;
    }
}

TEST(FrameLoop, AdvancesEveryObjectInEveryFrame)
{
    startGame();
    mainFrameListener listener;
    // No time passes, yet all five updates run: the soldier boards, the camera follows,
    // the HUD shows its counters and the truck reaches its path.
    gHud->magazine = 17;
    EXPECT_TRUE(listener.frameStarted(Ogre::FrameEvent{}));
    EXPECT_EQ(gPlayer->getPosition(), Ogre::Vector3(0, 12, 45));
    EXPECT_EQ(gCamera->getDerivedPosition(), Ogre::Vector3(0, 27, 10));
    EXPECT_EQ(hudElement("Magazine")->getCaption(), "17");
    EXPECT_EQ(gLevel->getTruckNode()->getPosition(), Ogre::Vector3(2500, 12, 0));

    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0.25f;
    listener.frameStarted(event);
    listener.frameStarted(event);
    EXPECT_EQ(listener.getTotalTime(), 0.5f);

    // The end of the game only changes what the HUD shows.
    gHud->magazine = 0;
    gHud->ammo = 0;
    EXPECT_TRUE(listener.frameStarted(Ogre::FrameEvent{}));
    EXPECT_TRUE(hudElement("EndGame0")->isVisible());
    EXPECT_TRUE(gRoot->renderOneFrame());
}
