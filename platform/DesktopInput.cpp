#include "platform/DesktopInput.h"

#include <OgreException.h>
#include <OgreRenderWindow.h>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <algorithm>
#include <cmath>

namespace {

// More than any hand moves in one frame; keeps a broken device's numbers within an int.
const double mostCountsAFrame = 1e6;

int takeWhole(double& pending)
{
    const double whole = std::clamp(std::trunc(pending), -mostCountsAFrame, mostCountsAFrame);
    pending -= whole;
    return int(whole);
}

} // namespace

DesktopInput::DesktopInput(Ogre::RenderWindow* renderWindow)
{
    Display* engineDisplay = nullptr;
    renderWindow->getCustomAttribute("XDISPLAY", &engineDisplay);
    renderWindow->getCustomAttribute("WINDOW", &window);
    display = XOpenDisplay(DisplayString(engineDisplay));
    if (!display)
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR, "cannot open the X display for input", "DesktopInput");
    // Raw events reach every client that asks for them, whoever holds the pointer, from version 2.1 on.
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 1;
    if (!XQueryExtension(display, "XInputExtension", &inputExtension, &event, &error)
        || XIQueryVersion(display, &major, &minor) != Success) {
        XCloseDisplay(display);
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
            "the X server lacks version 2.1 of the input extension, which the mouse needs", "DesktopInput");
    }
    unsigned char rawMotion[XIMaskLen(XI_RawMotion)] = {};
    XISetMask(rawMotion, XI_RawMotion);
    XIEventMask mask{XIAllMasterDevices, sizeof rawMotion, rawMotion};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XSelectInput(display, window, FocusChangeMask | EnterWindowMask | LeaveWindowMask | StructureNotifyMask);
    focused = keyboardComesHere();
}

DesktopInput::~DesktopInput()
{
    XCloseDisplay(display);
}

void DesktopInput::update()
{
    lost = false;
    moved = false;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        handle(event);
    }
}

DesktopInput::Motion DesktopInput::takeMotion()
{
    Motion motion;
    motion.x = takeWhole(pendingX);
    motion.y = takeWhole(pendingY);
    return motion;
}

void DesktopInput::handle(XEvent& event)
{
    switch (event.type) {
    case FocusIn:
        setFocus(true);
        break;
    case FocusOut:
        if (event.xfocus.detail != NotifyInferior)
            setFocus(false);
        break;
    case UnmapNotify:
        setFocus(false);
        break;
    case ConfigureNotify:
        moved = true;
        break;
    case MapNotify:
    case EnterNotify:
    case LeaveNotify:
        setFocus(keyboardComesHere());
        break;
    case GenericEvent:
        if (event.xcookie.extension == inputExtension && XGetEventData(display, &event.xcookie)) {
            const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
            const auto carries = [&](int axis) { return axis < raw->valuators.mask_len * 8 && XIMaskIsSet(raw->valuators.mask, axis); };
            // The values of the axes the event carries, in order: x is axis 0, y axis 1.
            const double* value = raw->raw_values;
            if (event.xcookie.evtype == XI_RawMotion && focused) {
                if (carries(0))
                    pendingX += *value++;
                if (carries(1))
                    pendingY += *value;
            }
            XFreeEventData(display, &event.xcookie);
        }
        break;
    }
}

void DesktopInput::setFocus(bool hasIt)
{
    lost = lost || (focused && !hasIt);
    focused = hasIt;
}

// Without a window manager the keyboard may follow the pointer ("pointer root" focus).
bool DesktopInput::keyboardComesHere() const
{
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    return focus == window || (focus == PointerRoot && pointerInWindow());
}

// Down from the root through the windows under the pointer, the topmost at each level.
bool DesktopInput::pointerInWindow() const
{
    Window under = DefaultRootWindow(display);
    Window root = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int buttons = 0;
    while (under != None && under != window)
        if (!XQueryPointer(display, under, &root, &under, &rootX, &rootY, &x, &y, &buttons))
            return false;
    return under == window;
}
