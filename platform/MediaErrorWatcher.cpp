#include "platform/MediaErrorWatcher.h"

#include <OgreException.h>
#include <OgreLogManager.h>

MediaErrorWatcher::MediaErrorWatcher()
    : log(Ogre::LogManager::getSingleton().getDefaultLog())
{
    log->addListener(this);
}

MediaErrorWatcher::~MediaErrorWatcher()
{
    log->removeListener(this);
}

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
