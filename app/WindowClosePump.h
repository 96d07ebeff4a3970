// Turns a window manager's close request into the render window's closing.
#pragma once

#include <X11/Xlib.h>

namespace Ogre {
class RenderWindow;
}

class WindowClosePump {
public:
    // Advertises WM_DELETE_WINDOW on the window and registers it with the engine's pump.
    explicit WindowClosePump(Ogre::RenderWindow* window);

    // Takes the window's pending client messages; a close request destroys the window.
    void pump();

private:
    Ogre::RenderWindow* window;
    Display* display = nullptr;
    Window handle = 0;
    Atom deleteWindow = 0;
};
