// The game in a real window through real X input: from its fixed start-up to the end of its last round with no
// window manager, and on a desktop with openbox and a terminal beside it.
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

#include <chrono>
#include <csignal>
#include <future>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// openbox, and a terminal that writes each line typed into it to a file.
struct Desktop {
    const fs::path typed = fs::temp_directory_path() / ("corvane-typed-" + std::to_string(getpid()));
    const int windowManager = std::stoi(outputOf("openbox > /dev/null 2>&1 & echo $!"));
    // Up before any window it is to manage.
    const bool managing = within(10, [] { return outputOf("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos; });
    const int terminalProcess = std::stoi(outputOf("xterm -T terminal -geometry 30x8+1040+860 -e sh -c 'cat > " + typed.string() + "' > /dev/null 2>&1 & echo $!"));
    const std::string terminal = std::to_string(waitForWindow("terminal", 10));
    ~Desktop() { kill(terminalProcess, SIGTERM), kill(windowManager, SIGTERM), fs::remove(typed); }
};

// The pointer kept inside the window (a far move leaves it there) and hidden.
bool pointerHeldBy(const std::string& id)
{
    const Window window = std::stoul(id);
    sendInput("mousemove_relative -- 2000 2000");
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });   // a window gone is not held
    Display* display = XOpenDisplay(nullptr);
    XWindowAttributes size{};
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = -1, y = -1;
    unsigned int buttons = 0;
    XGetWindowAttributes(display, window, &size);
    XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &buttons);
    XFixesCursorImage* cursor = XFixesGetCursorImage(display);
    const bool hidden = std::none_of(cursor->pixels, cursor->pixels + cursor->width * cursor->height, [](unsigned long pixel) { return pixel >> 24; });
    XFree(cursor), XCloseDisplay(display);
    return hidden && x >= 0 && y >= 0 && x < size.width && y < size.height;
}

// Whether another client, a screen locker say, can take the keyboard.
bool keyboardIsFree()
{
    Display* display = XOpenDisplay(nullptr);
    const bool free = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
    XCloseDisplay(display);
    return free;
}

// The game's frames at a fixed frame time for a while of real time, so that what was sent has arrived.
void playFor(double seconds)
{
    Ogre::FrameEvent event{0, 0.05f};
    within(seconds, [&] { return !gRoot->_fireFrameStarted(event); });
}

void move(int dx, int dy, int times = 1)
{
    std::string moves;
    for (int move = 0; move < times; ++move)
        moves += "mousemove_relative -- " + std::to_string(dx) + " " + std::to_string(dy) + " ";
    sendInput(moves);
    playFor(0.3);
}

double degreesFrom(const Ogre::Vector3& aim)
{
    const Ogre::Vector3 now = gPlayer->getAimDirection();
    return Ogre::Math::RadiansToDegrees(std::atan2(aim.crossProduct(now).length(), aim.dotProduct(now)));
}

// The game's own loop at a fixed frame time, so that the test's pace does not depend on the
// machine's, until something holds or for at most a number of frames. Drawing is what costs
// time here: every tenth frame is drawn, the others only run the game's frame update.
bool playUntil(const std::function<bool()>& done, int frames = 100)
{
    Ogre::FrameEvent event{0, 0.2f};
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

} // namespace

// 0.1 degree a count whichever way, however quick, the window resized or not; nothing acts while another
// window has focus, and what was held when focus left is let go.
TEST(Desktop, AimTakesEveryCountOnlyWithFocusAndWhatIsHeldIsLetGoWhenFocusLeaves)
{
    const Desktop desktop;
    const GameRun scratch;
    scratch.startEngineHere();
    assembleGame();
    const std::string id = std::to_string(waitForWindow("Corvane", 10));
    sendInput("windowactivate --sync " + id), playFor(0.3);
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

    sendInput("windowactivate --sync " + desktop.terminal), sendInput("mousemove --window " + desktop.terminal + " 20 20 mousemove_relative -- 30 30 mousedown 3 type u");
    sendInput("key Return"), playFor(0.5);
    EXPECT_NEAR(degreesFrom(start), 0, 0.01) << "the pointer over the terminal";
    EXPECT_FALSE(Ogre::OverlayManager::getSingleton().getOverlayElement("Cross")->isVisible()) << "a button held over the terminal";
    sendInput("mouseup 3");
    EXPECT_TRUE(within(5, [&] { return contentsOf(desktop.typed) == "u\n"; }));
    EXPECT_GT(gPlayer->getPosition().y, 0) << "U typed into the terminal";

    sendInput("windowactivate --sync " + id), sendInput("key u"), playFor(0.5);
    ASSERT_EQ(gPlayer->getPosition().y, 0);
    // Focus goes elsewhere while the window is minimised, and so does the release.
    const auto minimisedWhile = [&](const std::string& release) {
        sendInput("windowminimize --sync " + id), sendInput(release), sendInput("windowactivate --sync " + id), playFor(0.5);
    };
    const Ogre::Vector3 steppedOff = gPlayer->getPosition();
    sendInput("keydown w"), playFor(0.3);
    EXPECT_GT(gPlayer->getPosition().distance(steppedOff), 1);
    minimisedWhile("keyup w");
    const Ogre::Vector3 stopped = gPlayer->getPosition();
    playFor(0.3);
    EXPECT_EQ(gPlayer->getPosition(), stopped) << "walks on";
    sendInput("mousedown 3"), playFor(1);
    sendInput("mousedown 1"), playFor(0.2);
    minimisedWhile("mouseup 1 mouseup 3");
    const int left = gHud->magazine;
    playFor(0.5);
    EXPECT_TRUE(left > 0 && left < 30 && gHud->magazine == left) << left << " fires on";
    EXPECT_FALSE(Ogre::OverlayManager::getSingleton().getOverlayElement("Cross")->isVisible()) << "aims on";
}

// The desktop knows the window; it holds the pointer, never the keyboard, and only while it has focus;
// Alt+F4 and a tap of Escape end it; a second copy in its folder leaves its log alone; a window destroyed
// by another client ends the game with nothing on the console.
TEST(Desktop, AWindowAmongOthers)
{
    const Desktop desktop;
    const GameRun game;
    auto first = std::async(std::launch::async, [&] { return game.run("", 300); });
    const std::string id = std::to_string(waitForWindow("Corvane", 30));
    sendInput("windowactivate --sync " + id);
    EXPECT_TRUE(within(30, [&] { return pointerHeldBy(id) && keyboardIsFree(); }));
    // The window manager took on the class: it was there before the window was shown.
    EXPECT_NE(outputOf("xprop -id " + id + " WM_CLASS _OB_APP_CLASS").find("\"corvane\", \"Corvane\"\n_OB_APP_CLASS(UTF8_STRING) = \"Corvane\""),
        std::string::npos);
    std::error_code none;
    EXPECT_EQ(fs::read_symlink("/proc/" + outputOf("xdotool getwindowpid " + id + " | tr -d '\\n'") + "/cwd", none), game.directory());
    EXPECT_EQ(outputOf("xprop -id " + id + " _NET_WM_ICON | grep -o 'Icon ([0-9 x]*)' | tr '\\n' ' '"), "Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) ");

    sendInput("windowactivate --sync " + desktop.terminal);
    EXPECT_TRUE(within(10, [&] { return !pointerHeldBy(id) && keyboardIsFree(); }));
    sendInput("type hello"), sendInput("key Return keydown Escape sleep 0.3 keyup Escape");
    EXPECT_TRUE(within(5, [&] { return contentsOf(desktop.typed) == "hello\n"; }));
    EXPECT_EQ(first.wait_for(1s), std::future_status::timeout) << "Escape typed into the terminal";
    sendInput("windowminimize --sync " + id), sendInput("windowactivate --sync " + id);
    EXPECT_TRUE(within(10, [&] { return pointerHeldBy(id); })) << "taken back after minimise";

    const std::string logSoFar = contentsOf(game.directory() / "Ogre.log");
    const GameRunResult second = game.run("", 10);
    EXPECT_EQ(second.exitStatus, 1);
    EXPECT_EQ(second.errors, "corvane: fatal error: another copy of the game is already running in " + game.directory().string() + "\n");
    sendInput("key alt+F4");
    ASSERT_EQ(first.wait_for(30s), std::future_status::ready) << "Alt+F4";
    EXPECT_EQ(first.get().exitStatus, 0);
    const std::string log = contentsOf(game.directory() / "Ogre.log");
    EXPECT_TRUE(log.rfind(logSoFar, 0) == 0 && log.find("OGRE Shutdown") != std::string::npos);

    for (const std::string ending : {"keydown --delay 0 Escape keyup --delay 0 Escape", "windowclose "}) {
        ASSERT_TRUE(within(10, [] { return waitForWindow("Corvane", 0.1) == 0; })) << "the last window gone";
        auto run = std::async(std::launch::async, [&] { return game.run(); });
        const std::string next = std::to_string(waitForWindow("Corvane", 30));
        sendInput("windowactivate --sync " + next);
        ASSERT_TRUE(within(60, [&] { return pointerHeldBy(next); })) << ending;
        sendInput(ending == "windowclose " ? ending + next : ending);
        ASSERT_EQ(run.wait_for(20s), std::future_status::ready) << ending;
        const GameRunResult result = run.get();
        EXPECT_EQ(result.exitStatus, 0) << ending;
        EXPECT_EQ(result.errors + contentsOf(game.directory() / "stdout.txt"), "") << ending;
    }
    EXPECT_NE(contentsOf(game.directory() / "Ogre.log").find("X error: BadWindow"), std::string::npos);
}

// With no window manager, the keyboard following the pointer.
TEST(EndToEnd, StartsAsFixedThenRidesStepsOffTurnsShootsReloadsAndSpendsEveryRound)
{
    // A media tree whose crate folder's files lie at its top, as the engine accepts and so does the game.
    const GameRun scratch;
    const fs::path media = scratch.directory() / "media";
    for (const auto& file : fs::directory_iterator(media / "crate"))
        fs::rename(file.path(), media / file.path().filename());
    fs::remove(media / "crate");
    scratch.startEngineHere();
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

    send("key r");
    ASSERT_TRUE(playUntil(upperBodyFree));
    EXPECT_TRUE(gHud->magazine == 30 && gHud->ammo == 300 - (30 - left));
    EXPECT_EQ(hud("Ammo")->getCaption(), std::to_string(gHud->ammo));

    for (int magazines = 0; magazines < 12 && (gHud->magazine > 0 || gHud->ammo > 0); ++magazines) {
        send("mousedown 3"), send("mousedown 1");
        EXPECT_TRUE(playUntil([] { return gHud->magazine == 0; }, 200));
        send("mouseup 1"), send("mouseup 3");
        ASSERT_TRUE(playUntil(upperBodyFree));
        send("key r");
        ASSERT_TRUE(playUntil(upperBodyFree));
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
