#include "platform/WindowClose.h"

#include <OgreRenderWindow.h>

#include <Bites/OgreWindowEventUtilities.h>

#include <X11/Xlib.h>

namespace {

struct XWindow {
    explicit XWindow(Ogre::RenderWindow* window)
    {
        window->getCustomAttribute("XDISPLAY", &display);
        window->getCustomAttribute("WINDOW", &handle);
        deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    }

    Display* display = nullptr;
    Window handle = 0;
    Atom deleteWindow = 0;
};

} // namespace

void acceptCloseRequests(Ogre::RenderWindow* window)
{
    XWindow x(window);
    XSetWMProtocols(x.display, x.handle, &x.deleteWindow, 1);
    XFlush(x.display);
    OgreBites::WindowEventUtilities::_addRenderWindow(window);
}

void pumpCloseRequests(Ogre::RenderWindow* window)
{
    XWindow x(window);
    XEvent event;
    while (!window->isClosed() && XCheckTypedWindowEvent(x.display, x.handle, ClientMessage, &event)) {
        if (static_cast<Atom>(event.xclient.data.l[0]) == x.deleteWindow)
            window->destroy();
    }
}
