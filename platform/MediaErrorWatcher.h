// Remembers the first error the engine logs while it reads and loads the media (a broken script, a missing
// or broken texture, a GPU program that does not compile only shows as a log line), so that start-up can
// end on it. Watches the default log for its own lifetime only: errors of other set-up steps are not the media's.
#pragma once

#include <OgreLog.h>

#include <string>

class MediaErrorWatcher : public Ogre::LogListener {
public:
    MediaErrorWatcher();
    ~MediaErrorWatcher() override;
    MediaErrorWatcher(const MediaErrorWatcher&) = delete;
    MediaErrorWatcher& operator=(const MediaErrorWatcher&) = delete;

    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool maskDebug,
        const Ogre::String& logName, bool& skipThisMessage) override;

    // Throws an engine exception naming the first error, if there was one.
    void throwIfAnyError() const;

private:
    Ogre::Log* log;
    std::string firstError;
};
