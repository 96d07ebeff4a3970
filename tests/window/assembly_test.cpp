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
#include <random>
#include <sstream>

namespace {

Ogre::Vector3 cameraPosition()
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return gCamera->getPosition();
#pragma GCC diagnostic pop
}

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
    EXPECT_EQ(cameraPosition(), Ogre::Vector3(0, 5, -35));
    ASSERT_TRUE(gRoot->renderOneFrame());
    // Riding from the first frame: on the deck of the truck at its start pose (0, 12, 30).
    EXPECT_EQ(gPlayer->getPosition(), Ogre::Vector3(0, 12, 45));
    EXPECT_EQ(cameraPosition(), Ogre::Vector3(0, 27, 10));

    std::stringstream log;
    log << std::ifstream("Ogre.log").rdbuf();
    const std::string text = log.str();
    const size_t input = text.find("*** Initializing OIS ***");
    const size_t truck = text.find("Mesh: Loading truck.mesh");
    const size_t crates = text.find("Mesh: Loading doboz.mesh");
    const size_t targets = text.find("Mesh: Loading target01.mesh");
    const size_t player = text.find("Mesh: Loading soldier.mesh");
    ASSERT_NE(player, std::string::npos);
    EXPECT_LT(input, truck);
    EXPECT_LT(truck, crates);
    EXPECT_LT(crates, targets);
    EXPECT_LT(targets, player);
}

TEST(FrameLoop, AdvancesEveryObjectInEveryFrame)
{
    startGame();
    mainFrameListener listener;
    Ogre::FrameEvent still{};

    // No time passes, yet all five updates run: the soldier boards, the camera follows,
    // the HUD shows its counters and the truck reaches its path.
    gHud->magazine = 17;
    EXPECT_TRUE(listener.frameStarted(still));
    EXPECT_EQ(listener.getTotalTime(), 0.0f);
    EXPECT_EQ(gPlayer->getPosition(), Ogre::Vector3(0, 12, 45));
    EXPECT_EQ(cameraPosition(), Ogre::Vector3(0, 27, 10));
    EXPECT_EQ(hudElement("Magazine")->getCaption(), "17");
    EXPECT_EQ(gLevel->getTruckNode()->getPosition(), Ogre::Vector3(2500, 12, 0));

    std::mt19937 random(7);
    std::uniform_real_distribution<float> frameTimes(0.0f, 0.1f);
    float sum = 0.0f;
    for (int frame = 0; frame < 500; ++frame) {
        Ogre::FrameEvent event{};
        event.timeSinceLastFrame = frameTimes(random);
        sum += event.timeSinceLastFrame;
        ASSERT_TRUE(listener.frameStarted(event));
    }
    EXPECT_EQ(listener.getTotalTime(), sum);

    // The end of the game only changes what the HUD shows.
    gHud->magazine = 0;
    gHud->ammo = 0;
    EXPECT_TRUE(listener.frameStarted(still));
    EXPECT_TRUE(hudElement("EndGame0")->isVisible());
    EXPECT_TRUE(gRoot->renderOneFrame());
}
