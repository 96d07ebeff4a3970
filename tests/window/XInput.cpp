#include "tests/window/XInput.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

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
    const std::string found = outputOf("timeout " + std::to_string(seconds) + " xdotool search --sync --onlyvisible --name '^"
        + title + "$' 2> /dev/null | head -n 1");
    return found.empty() ? 0 : std::stoul(found);
}

bool pressEscapeUntil(const std::function<bool()>& ended, double seconds)
{
    for (double waited = 0; waited < seconds && !ended(); waited += 0.5)
        sendInput("keydown Escape sleep 0.3 keyup Escape sleep 0.2");
    return ended();
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
