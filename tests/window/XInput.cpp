#include "tests/window/XInput.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include <X11/Xlib.h>

void sendInput(const std::string& xdotoolArguments)
{
    const std::string command = "xdotool " + xdotoolArguments;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

namespace {

Window findWindowNamed(Display* display, const std::string& title)
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name && title == name)
            found = children[i];
        XFree(name);
    }
    XFree(children);
    return found;
}

} // namespace

unsigned long waitForWindow(const std::string& title, double seconds)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Window window = 0;
    while (!window && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        window = findWindowNamed(display, title);
    }
    XCloseDisplay(display);
    return window;
}

bool pressEscapeUntil(const std::function<bool()>& ended, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        sendInput("keydown Escape");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sendInput("keyup Escape");
        if (ended())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return ended();
}

bool inputIsFree()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const Window root = DefaultRootWindow(display);
    const bool pointer = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None,
                             CurrentTime) == GrabSuccess;
    const bool keyboard = XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
    XCloseDisplay(display);
    return pointer && keyboard;
}
