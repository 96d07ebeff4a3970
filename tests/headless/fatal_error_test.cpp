#include "app/FatalError.h"
#include "app/Startup.h"
#include "tests/headless/HeadlessGame.h"

#include <OgreLogManager.h>

#include <gtest/gtest.h>

#include <stdexcept>

// Each failure is named for what it is, on one line.
TEST(FatalError, NamesEachFailureForWhatItIs)
{
    headlessScene(); // an engine with no render system
    const std::pair<void (*)(), const char*> cases[] = {
        {[] { firstAvailableRenderer(); }, "no render system could be loaded"},
        {[] { throw std::runtime_error("first\nsecond"); }, "first second"},
    };
    for (const auto& [fail, reason] : cases) {
        try {
            fail();
            ADD_FAILURE() << "no exception for " << reason;
        } catch (...) {
            EXPECT_EQ(describeFatalError(std::current_exception()), std::string("corvane: fatal error: ") + reason);
        }
    }

    // An error the engine logged before it read the media is not the media's.
    Ogre::LogManager::getSingleton().logMessage("plug-in trouble", Ogre::LML_CRITICAL);
    EXPECT_NO_THROW(loadMedia());
}
