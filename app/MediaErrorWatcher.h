// Remembers the first error the engine logs while it reads the media (a broken material,
// font or overlay script only shows as a log line), so that start-up can end on it.
#pragma once

#include <OgreLog.h>

#include <string>

class MediaErrorWatcher : public Ogre::LogListener {
public:
    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool maskDebug,
        const Ogre::String& logName, bool& skipThisMessage) override;

    // Throws an engine exception naming the first error, if there was one.
    void throwIfAnyError() const;

private:
    std::string firstError;
};
