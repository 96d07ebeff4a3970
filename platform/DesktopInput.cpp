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
    motion.x = takeWhole(pending[0]);
    motion.y = takeWhole(pending[1]);
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
            // The values of the axes the event carries, in order: x is axis 0, y axis 1. An absolute device's
            // position is followed while the window has no focus too, so that focus coming back is no jump.
            const double* value = raw->raw_values;
            Axes& axes = axesOf(raw->sourceid);
            for (int axis = 0; axis < 2 && event.xcookie.evtype == XI_RawMotion; ++axis)
                if (carries(axis)) {
                    const double counts = axes[axis].countsFor(*value++);
                    pending[axis] += focused ? counts : 0;
                }
            XFreeEventData(display, &event.xcookie);
        }
        break;
    }
}

double DesktopInput::Axis::countsFor(double value)
{
    const double counts = !absolute ? value : seen ? (value - last) * countsPerUnit : 0;
    last = value;
    seen = true;
    return counts;
}

// A relative axis reports counts; an absolute one's range spans the screen, a count a pixel.
DesktopInput::Axes& DesktopInput::axesOf(int device)
{
    const auto known = devices.find(device);
    if (known != devices.end())
        return known->second;
    Axes& axes = devices[device];
    const int screenSize[] = {DisplayWidth(display, DefaultScreen(display)), DisplayHeight(display, DefaultScreen(display))};
    int count = 0;
    XIDeviceInfo* info = XIQueryDevice(display, device, &count);
    for (int i = 0; info && i < info->num_classes; ++i) {
        const auto* valuator = reinterpret_cast<const XIValuatorClassInfo*>(info->classes[i]);
        if (valuator->type == XIValuatorClass && valuator->number < 2 && valuator->mode == XIModeAbsolute && valuator->max > valuator->min) {
            axes[valuator->number].absolute = true;
            axes[valuator->number].countsPerUnit = screenSize[valuator->number] / (valuator->max - valuator->min);
        }
    }
    if (info)
        XIFreeDeviceInfo(info);
    return axes;
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
