#include "tests/window/XInput.h"

#include <chrono>
#include <cstdio>
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

std::string outputOf(const std::string& command)
{
    std::string output;
    char buffer[4096];
    FILE* pipe = popen(command.c_str(), "r");
    for (size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, read);
    pclose(pipe);
    return output;
}

unsigned long waitForWindow(const std::string& title, double seconds)
{
    // Searched for again and again: a search meets windows that come and go, and may fail on one gone.
    std::string found;
    within(seconds, [&] { return !(found = outputOf("xdotool search --onlyvisible --name '^" + title + "$' 2> /dev/null | head -n 1")).empty(); });
    return found.empty() ? 0 : std::stoul(found);
}

bool within(double seconds, const std::function<bool()>& holds)
{
    for (auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds); !holds(); std::this_thread::sleep_for(std::chrono::milliseconds(50)))
        if (std::chrono::steady_clock::now() > end)
            return false;
    return true;
}

void closeWindow(unsigned long window)
{
    Display* display = XOpenDisplay(nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
}
