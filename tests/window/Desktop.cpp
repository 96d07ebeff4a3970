#include "tests/window/Desktop.h"

#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <unistd.h>

namespace {

// Runs the command in the background; its process id.
int startProcess(const std::string& command)
{
    return std::stoi(outputOf(command + " > /dev/null 2>&1 & echo $!"));
}

} // namespace

Desktop::Desktop()
    : typedFile(std::filesystem::temp_directory_path() / ("corvane-typed-" + std::to_string(getpid())))
{
    windowManager = startProcess("openbox");
    within(10, [] { return outputOf("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos; });
    terminalProcess = startProcess("xterm -T terminal -geometry 30x8+1040+860 -e sh -c 'cat > " + typedFile.string() + "'");
    terminal = waitForWindow("terminal", 10);
}

Desktop::~Desktop()
{
    kill(terminalProcess, SIGTERM);
    kill(windowManager, SIGTERM);
    std::filesystem::remove(typedFile);
}

std::string Desktop::typed() const
{
    return contentsOf(typedFile);
}

void Desktop::focus(unsigned long window) const
{
    sendInput("windowactivate --sync " + std::to_string(window));
}

bool keyboardIsFree()
{
    Display* display = XOpenDisplay(nullptr);
    const bool free = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
    XCloseDisplay(display);
    return free;
}

bool pointerShows()
{
    Display* display = XOpenDisplay(nullptr);
    XFixesCursorImage* cursor = XFixesGetCursorImage(display);
    const bool shows = std::any_of(cursor->pixels, cursor->pixels + cursor->width * cursor->height, [](unsigned long pixel) { return pixel >> 24; });
    XFree(cursor);
    XCloseDisplay(display);
    return shows;
}

bool pointerIn(unsigned long window)
{
    Display* display = XOpenDisplay(nullptr);
    XWindowAttributes size{};
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = -1, y = -1;
    unsigned int buttons = 0;
    XGetWindowAttributes(display, window, &size);
    XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &buttons);
    XCloseDisplay(display);
    return x >= 0 && y >= 0 && x < size.width && y < size.height;
}

bool within(double seconds, const std::function<bool()>& holds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!holds() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return holds();
}
