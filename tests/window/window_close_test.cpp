#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

// After gtest: Xlib defines macros that clash with it.
#include <X11/Xlib.h>

namespace {

// What a window manager sends when the user clicks the close button.
void sendCloseRequest(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

TEST(WindowClose, CloseRequestEndsTheGameWithStatusZero)
{
    GameRun game(true);
    auto finished = std::async(std::launch::async, [&] { return game.run(); });

    const Window window = waitForWindow("Corvane", 20);
    ASSERT_NE(window, 0u) << "the game's window never appeared";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Display* display = XOpenDisplay(nullptr);
    sendCloseRequest(display, window);
    XCloseDisplay(display);

    ASSERT_EQ(finished.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    const GameRunResult result = finished.get();
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
    std::stringstream log;
    log << std::ifstream(game.directory() / "Ogre.log").rdbuf();
    EXPECT_NE(log.str().find("OGRE Shutdown"), std::string::npos);
    EXPECT_TRUE(inputIsFree());
}
