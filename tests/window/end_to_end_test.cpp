// The game from its fixed start-up to the end of its last round, in a real window through real X input.
#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"
#include "world/Level.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <Ogre.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

// The game's own loop at a fixed frame time, so that the test's pace does not depend on the
// machine's, until something holds or for at most a number of frames. Drawing is what costs
// time here: every tenth frame is drawn, the others only run the game's frame update.
bool playUntil(const std::function<bool()>& done, int frames = 100)
{
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0.2f;
    for (int frame = 0; frame < frames && !done(); ++frame) {
        OgreBites::WindowEventUtilities::messagePump();
        frame % 10 == 0 ? gRoot->renderOneFrame(event.timeSinceLastFrame) : gRoot->_fireFrameStarted(event);
    }
    return done();
}

// Sends input and lets the game see it for a number of frames.
void send(const std::string& input, int frames = 2)
{
    sendInput(input);
    playUntil([] { return false; }, frames);
}

const auto upperBodyFree = [] { return !gPlayer->isUpperBodyBusy(); };

void reload()
{
    send("key r");
    ASSERT_TRUE(playUntil(upperBodyFree));
}

} // namespace

TEST(EndToEnd, StartsAsFixedThenRidesStepsOffTurnsShootsReloadsAndSpendsEveryRound)
{
    // A media tree whose crate folder's files lie at its top, as the engine accepts and so does the game.
    const GameRun scratch;
    const fs::path media = scratch.directory() / "media";
    for (const auto& file : fs::directory_iterator(media / "crate"))
        fs::rename(file.path(), media / file.path().filename());
    fs::remove(media / "crate");
    scratch.enter();
    startEngine();
    for (const char* file : {"ogre.cfg", "plugins.cfg", "resources.cfg"})
        EXPECT_FALSE(fs::exists(file)) << file;

    assembleGame();
    // On the first frame, which needs the shadow-volume programs, the soldier boards the truck at its start
    // pose (0, 12, 30).
    ASSERT_TRUE(gRoot->renderOneFrame());
    EXPECT_EQ(gPlayer->getPosition(), Ogre::Vector3(0, 12, 45));
    // The truck drives on, the soldier riding on its deck.
    const Ogre::Vector3 truckAt = gLevel->getTruckNode()->getPosition();
    playUntil([] { return false; }, 1);
    EXPECT_GT(gLevel->getTruckNode()->getPosition().distance(truckAt), 5);
    EXPECT_FLOAT_EQ(gPlayer->getPosition().y, 12);

    const auto hud = [](const char* element) { return Ogre::OverlayManager::getSingleton().getOverlayElement(element); };
    sendInput("key u");
    ASSERT_TRUE(playUntil([] { return gPlayer->getPosition().y == 0; }, 20)) << "steps off";
    const Ogre::Vector3 aim = gPlayer->getAimDirection();
    sendInput("mousemove_relative -- 100 0");
    ASSERT_TRUE(playUntil([&] { return gPlayer->getAimDirection() != aim; }, 20));
    EXPECT_GT(gPlayer->getAimDirection().crossProduct(aim).y, 0) << "the mouse to the right turns the aim right";

    send("mousedown 3", 7);
    send("mousedown 1", 6);
    send("mouseup 1");
    const int left = gHud->magazine;
    EXPECT_LT(left, 30);
    EXPECT_EQ(hud("Magazine")->getCaption(), std::to_string(left));
    send("mouseup 3");
    ASSERT_TRUE(playUntil(upperBodyFree));

    reload();
    EXPECT_TRUE(gHud->magazine == 30 && gHud->ammo == 300 - (30 - left));
    EXPECT_EQ(hud("Ammo")->getCaption(), std::to_string(gHud->ammo));

    for (int magazines = 0; magazines < 12 && (gHud->magazine > 0 || gHud->ammo > 0); ++magazines) {
        send("mousedown 3");
        send("mousedown 1");
        EXPECT_TRUE(playUntil([] { return gHud->magazine == 0; }, 200));
        send("mouseup 1");
        send("mouseup 3");
        ASSERT_TRUE(playUntil(upperBodyFree));
        reload();
    }
    // The game goes on under the final score.
    EXPECT_TRUE(gRoot->renderOneFrame());
    EXPECT_TRUE(gHud->magazine == 0 && gHud->ammo == 0 && hud("EndGame0")->isVisible() && hud("EndGame1")->isVisible());
    EXPECT_EQ(hud("EndGame0")->getCaption(), hud("Hits")->getCaption());
    // The score is drawn: white figures over the dark backing of its panel.
    Ogre::Image picture(Ogre::PF_BYTE_RGBA, 1024, 768);
    gRenderWindow->copyContentsToMemory(Ogre::Box(0, 0, 1024, 768), picture.getPixelBox());
    Ogre::OverlayContainer* panel = hud("Hits")->getParent();
    int white = 0;
    for (int y = int(panel->_getDerivedTop() * 768); y < int((panel->_getDerivedTop() + panel->_getHeight()) * 768); ++y)
        for (int x = int(panel->_getDerivedLeft() * 1024); x < int((panel->_getDerivedLeft() + panel->_getWidth()) * 1024); ++x)
            white += picture.getColourAt(x, y, 0).b > 0.9f;
    EXPECT_GT(white, 100);
}
