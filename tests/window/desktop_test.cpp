// The game on a desktop with a window manager and a terminal beside it, driven by real X input.
#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "tests/window/Desktop.h"
#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"

#include <Ogre.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <regex>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The game's frames at a fixed frame time for a while of real time, so that what was sent has arrived.
void playFor(double seconds)
{
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0.02f;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        gRoot->_fireFrameStarted(event);
        std::this_thread::sleep_for(10ms);
    }
}

double degreesFrom(const Ogre::Vector3& aim)
{
    const Ogre::Vector3 now = gPlayer->getAimDirection();
    return Ogre::Math::RadiansToDegrees(std::atan2(aim.crossProduct(now).length(), aim.dotProduct(now)));
}

void move(int dx, int dy, int times = 1)
{
    std::string moves;
    for (int move = 0; move < times; ++move)
        moves += "mousemove_relative -- " + std::to_string(dx) + " " + std::to_string(dy) + " ";
    sendInput(moves);
    playFor(0.3);
}

bool crosshairShows()
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement("Cross")->isVisible();
}

} // namespace

// 0.1 degree a count whichever way, however quick, the window resized or not; nothing acts while another
// window has focus, and what was held when focus left is let go.
TEST(Desktop, AimTakesEveryCountOnlyWithFocusAndWhatIsHeldIsLetGoWhenFocusLeaves)
{
    const Desktop desktop;
    const GameRun scratch;
    scratch.enter();
    startEngine();
    assembleGame();
    const unsigned long game = waitForWindow("Corvane", 10);
    const std::string id = std::to_string(game);
    desktop.focus(game);
    playFor(0.3);
    const Ogre::Vector3 start = gPlayer->getAimDirection();
    for (const auto& [dx, dy] : std::initializer_list<std::pair<int, int>>{{200, 0}, {-200, 0}, {0, 200}, {0, -200}}) {
        move(dx, dy);
        EXPECT_NEAR(degreesFrom(start), 20, 0.01) << dx << ", " << dy;
        move(-dx, -dy);
        EXPECT_NEAR(degreesFrom(start), 0, 0.01) << dx << ", " << dy << " and back";
    }
    sendInput("windowsize " + id + " 640 480");
    move(200, 0, 3);
    EXPECT_NEAR(degreesFrom(start), 60, 0.01) << "a flick in three moves";
    move(-10, 0, 60);
    EXPECT_NEAR(degreesFrom(start), 0, 0.01) << "back in sixty";

    desktop.focus(desktop.terminal);
    sendInput("mousemove --window " + std::to_string(desktop.terminal) + " 20 20 mousemove_relative -- 30 30 mousedown 3 type u");
    sendInput("key Return mouseup 3");
    playFor(0.5);
    EXPECT_NEAR(degreesFrom(start), 0, 0.01) << "the pointer over the terminal";
    EXPECT_FALSE(crosshairShows()) << "a click on the terminal";
    EXPECT_TRUE(within(5, [&] { return desktop.typed() == "u\n"; })) << desktop.typed();
    EXPECT_GT(gPlayer->getPosition().y, 0) << "U typed into the terminal";

    desktop.focus(game);
    sendInput("key u");
    playFor(0.5);
    ASSERT_EQ(gPlayer->getPosition().y, 0);
    // The window manager gives focus elsewhere while the window is minimised, where the release goes.
    const auto minimisedWhile = [&](const std::string& release) {
        sendInput("windowminimize --sync " + id);
        sendInput(release);
        desktop.focus(game);
        playFor(0.5);
    };
    const Ogre::Vector3 steppedOff = gPlayer->getPosition();
    sendInput("keydown w");
    playFor(0.3);
    EXPECT_GT(gPlayer->getPosition().distance(steppedOff), 1);
    minimisedWhile("keyup w");
    const Ogre::Vector3 stopped = gPlayer->getPosition();
    playFor(0.3);
    EXPECT_EQ(gPlayer->getPosition(), stopped) << "walks on";
    sendInput("mousedown 3");
    playFor(0.5);
    sendInput("mousedown 1");
    playFor(0.1);
    minimisedWhile("mouseup 1 mouseup 3");
    const int left = gHud->magazine;
    EXPECT_GT(left, 0);
    playFor(0.5);
    EXPECT_EQ(gHud->magazine, left) << "fires on";
    EXPECT_FALSE(crosshairShows()) << "aims on";
}

// The desktop knows the window; the keyboard stays free, the pointer is held and hidden only while the
// window has focus; Alt+F4 closes it; a second copy in the same folder leaves the first one's log alone.
TEST(Desktop, TheWindowIsKnownHoldsOnlyThePointerOnlyWithFocusAndKeepsItsLog)
{
    const Desktop desktop;
    const GameRun game;
    auto first = std::async(std::launch::async, [&] { return game.run(); });
    const unsigned long window = waitForWindow("Corvane", 30);
    ASSERT_NE(window, 0u);
    const std::string id = std::to_string(window);
    desktop.focus(window);
    // Up and reading its input once it holds the pointer.
    const auto held = [&] { sendInput("mousemove_relative -- 2000 2000"); return pointerIn(window) && !pointerShows(); };
    EXPECT_TRUE(within(30, held));
    const std::string properties = outputOf("xprop -id " + id + " WM_CLASS _OB_APP_CLASS _NET_WM_PID");
    // The window manager took on the class: it was there before the window was shown.
    EXPECT_NE(properties.find("WM_CLASS(STRING) = \"corvane\", \"Corvane\"\n_OB_APP_CLASS(UTF8_STRING) = \"Corvane\"\n"),
        std::string::npos) << properties.substr(0, 200);
    std::smatch pid;
    EXPECT_TRUE(std::regex_search(properties, pid, std::regex("_NET_WM_PID\\(CARDINAL\\) = (\\d+)"))
        && fs::read_symlink("/proc/" + pid[1].str() + "/cwd") == game.directory());
    const std::string icon = outputOf("xprop -id " + id + " _NET_WM_ICON");
    std::string sizes;
    for (size_t at = icon.find("Icon ("); at != std::string::npos; at = icon.find("Icon (", at + 1))
        sizes += icon.substr(at, 14) + " ";
    EXPECT_EQ(sizes, "Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) ");

    EXPECT_TRUE(keyboardIsFree());
    desktop.focus(desktop.terminal);
    EXPECT_TRUE(within(10, [&] {
        sendInput("mousemove --window " + std::to_string(desktop.terminal) + " 10 10");
        return pointerIn(desktop.terminal) && pointerShows();
    }));
    sendInput("type hello");
    sendInput("key Return");
    EXPECT_TRUE(within(5, [&] { return desktop.typed() == "hello\n"; }));
    sendInput("windowminimize --sync " + id);
    desktop.focus(window);
    EXPECT_TRUE(within(10, held)) << "taken back after minimise";

    const std::string logSoFar = contentsOf(game.directory() / "Ogre.log");
    const GameRunResult second = game.run("", 10);
    EXPECT_EQ(second.exitStatus, 1);
    EXPECT_EQ(second.errors, "corvane: fatal error: another copy of the game is already running in " + game.directory().string() + "\n");
    desktop.focus(desktop.terminal);
    sendInput("key Escape");
    EXPECT_EQ(first.wait_for(1s), std::future_status::timeout) << "Escape typed into the terminal";
    desktop.focus(window);
    sendInput("key alt+F4");
    ASSERT_EQ(first.wait_for(30s), std::future_status::ready) << "Alt+F4";
    EXPECT_EQ(first.get().exitStatus, 0);
    const std::string log = contentsOf(game.directory() / "Ogre.log");
    EXPECT_TRUE(log.rfind(logSoFar, 0) == 0 && log.find("OGRE Shutdown") != std::string::npos);
}

// A tap of Escape shorter than a frame quits; a window destroyed by another client ends the game with
// nothing on the console, the X errors in the log.
TEST(Desktop, ATapOfEscapeQuitsAndAWindowDestroyedElsewhereEndsQuietly)
{
    for (const bool tap : {true, false}) {
        const GameRun game;
        auto run = std::async(std::launch::async, [&] { return game.run(); });
        // Reading the keyboard once its mouse hides the pointer.
        ASSERT_TRUE(within(60, [] { return !pointerShows(); }));
        sendInput(tap ? "keydown --delay 0 Escape keyup --delay 0 Escape" : "windowclose " + std::to_string(waitForWindow("Corvane", 10)));
        EXPECT_EQ(run.wait_for(20s), std::future_status::ready) << tap;
        const GameRunResult result = run.get();
        EXPECT_EQ(result.exitStatus, 0) << tap;
        EXPECT_EQ(result.errors + contentsOf(game.directory() / "stdout.txt"), "");
        EXPECT_TRUE(tap || contentsOf(game.directory() / "Ogre.log").find("X error: BadWindow") != std::string::npos);
    }
}
