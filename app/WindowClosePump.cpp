#include "app/WindowClosePump.h"

#include <OgreRenderWindow.h>

#include <Bites/OgreWindowEventUtilities.h>

WindowClosePump::WindowClosePump(Ogre::RenderWindow* window)
    : window(window)
{
    window->getCustomAttribute("XDISPLAY", &display);
    window->getCustomAttribute("WINDOW", &handle);
    deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, handle, &deleteWindow, 1);
    XFlush(display);
    OgreBites::WindowEventUtilities::_addRenderWindow(window);
}

void WindowClosePump::pump()
{
    XEvent event;
    while (!window->isClosed() && XCheckTypedWindowEvent(display, handle, ClientMessage, &event)) {
        if (static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow)
            window->destroy();
    }
}
