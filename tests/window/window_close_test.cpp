#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

// After gtest: Xlib defines macros that clash with it.
#include <X11/Xlib.h>

// A normal run, ended by closing the window, prints nothing: the engine logs only to its file. Its media
// tree lacks a sub-folder whose files lie at the top of the tree: the engine accepts that, and so does the game.
TEST(WindowClose, CloseRequestEndsTheGameQuietlyWithStatusZero)
{
    GameRun game(false);
    game.copyMedia();
    const std::filesystem::path media = game.directory() / "media";
    for (const auto& file : std::filesystem::directory_iterator(media / "crate"))
        std::filesystem::rename(file.path(), media / file.path().filename());
    std::filesystem::remove(media / "crate");
    auto finished = std::async(std::launch::async, [&] { return game.run(); });

    const Window window = waitForWindow("Corvane", 20);
    ASSERT_NE(window, 0u) << "the game's window never appeared";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // What a window manager sends when the user clicks the close button.
    Display* display = XOpenDisplay(nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);

    ASSERT_EQ(finished.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    const GameRunResult result = finished.get();
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.errors, "");
    std::stringstream log, output;
    log << std::ifstream(game.directory() / "Ogre.log").rdbuf();
    output << std::ifstream(game.directory() / "stdout.txt").rdbuf();
    EXPECT_EQ(output.str(), "");
    EXPECT_NE(log.str().find("doboz.mesh"), std::string::npos);
    EXPECT_NE(log.str().find("OGRE Shutdown"), std::string::npos);
    EXPECT_TRUE(inputIsFree());
}
