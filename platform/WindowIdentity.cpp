#include "platform/WindowIdentity.h"

#include <OgreColourValue.h>
#include <OgreImage.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <unistd.h>

namespace {

struct XWindow {
    explicit XWindow(Ogre::RenderWindow* window)
    {
        window->getCustomAttribute("XDISPLAY", &display);
        window->getCustomAttribute("WINDOW", &handle);
    }

    // Format-32 properties travel as longs through Xlib.
    void setCardinals(const char* property, const std::vector<unsigned long>& values) const
    {
        XChangeProperty(display, handle, XInternAtom(display, property, False), XA_CARDINAL, 32, PropModeReplace,
            reinterpret_cast<const unsigned char*>(values.data()), int(values.size()));
    }

    Display* display = nullptr;
    Window handle = 0;
};

} // namespace

void introduceWindow(Ogre::RenderWindow* window)
{
    const XWindow x(window);
    char name[] = "corvane";
    char windowClass[] = "Corvane";
    XClassHint hint{name, windowClass};
    XSetClassHint(x.display, x.handle, &hint);

    char host[256] = {};
    gethostname(host, sizeof host - 1);
    char* hosts[] = {host};
    XTextProperty machine{};
    if (XStringListToTextProperty(hosts, 1, &machine)) {
        XSetWMClientMachine(x.display, x.handle, &machine);
        XFree(machine.value);
    }
    x.setCardinals("_NET_WM_PID", {static_cast<unsigned long>(getpid())});
    XFlush(x.display);
}

// Each picture as its width, its height and then its pixels, row by row, in ARGB.
void showWindowIcon(Ogre::RenderWindow* window, const std::vector<std::string>& pictures)
{
    std::vector<unsigned long> icon;
    for (const std::string& picture : pictures) {
        Ogre::Image image;
        image.load(picture, Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
        icon.push_back(image.getWidth());
        icon.push_back(image.getHeight());
        for (uint32_t y = 0; y < image.getHeight(); ++y)
            for (uint32_t x = 0; x < image.getWidth(); ++x)
                icon.push_back(image.getColourAt(x, y, 0).getAsARGB());
    }
    const XWindow x(window);
    x.setCardinals("_NET_WM_ICON", icon);
    XFlush(x.display);
}
