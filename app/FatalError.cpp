#include "app/FatalError.h"

#include <OgreException.h>

namespace {

bool contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

std::string describeEngineError(const Ogre::Exception& error)
{
    const std::string& what = error.getDescription();
    if (contains(what, "open X display"))
        return "cannot open the X display (is DISPLAY set to a running X server?)";
    return what;
}

} // namespace

std::string describeFatalError(std::exception_ptr error)
{
    std::string reason;
    try {
        std::rethrow_exception(error);
    } catch (const Ogre::Exception& engineError) {
        reason = describeEngineError(engineError);
    } catch (const std::exception& other) {
        reason = other.what();
    } catch (...) {
        reason = "unknown error";
    }
    for (char& c : reason)
        if (c == '\n' || c == '\r')
            c = ' ';
    return "corvane: fatal error: " + reason;
}
