#include "platform/XErrorLog.h"

#include <OgreLogManager.h>

#include <X11/Xlib.h>

#include <sstream>

namespace {

void (*whenDisplayLost)() = nullptr;

int logError(Display* display, XErrorEvent* error)
{
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::ostringstream line;
    line << "X error: " << text << ", request " << int(error->request_code) << "." << int(error->minor_code)
         << " on resource 0x" << std::hex << error->resourceid;
    Ogre::LogManager::getSingleton().logMessage(line.str());
    return 0;
}

int logLostDisplay(Display* display)
{
    Ogre::LogManager::getSingleton().logMessage(std::string("X: lost the connection to display ") + DisplayString(display));
    whenDisplayLost();
    return 0;
}

} // namespace

void logXErrors(void (*lostDisplay)())
{
    whenDisplayLost = lostDisplay;
    XSetErrorHandler(logError);
    XSetIOErrorHandler(logLostDisplay);
}
