#include "app/MediaErrorWatcher.h"

#include <OgreException.h>

void MediaErrorWatcher::messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool, const Ogre::String&,
    bool&)
{
    if (level >= Ogre::LML_CRITICAL && firstError.empty())
        firstError = message;
}

void MediaErrorWatcher::throwIfAnyError() const
{
    if (!firstError.empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, "broken media: " + firstError, "MediaErrorWatcher");
}
