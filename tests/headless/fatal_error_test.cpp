#include "app/FatalError.h"

#include <OgreException.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

template <typename Error>
std::string describe(const Error& error)
{
    return describeFatalError(std::make_exception_ptr(error));
}

} // namespace

TEST(FatalError, NamesWhatFailedOnOneLine)
{
    Ogre::FileNotFoundException missing(Ogre::Exception::ERR_FILE_NOT_FOUND,
        "Cannot locate resource soldier.mesh in resource group General.", "ResourceGroupManager::openResource",
        __FILE__, __LINE__);
    EXPECT_EQ(describe(missing), "corvane: fatal error: Cannot locate resource soldier.mesh in resource group General.");

    Ogre::RenderingAPIException noDisplay(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
        "Couldn't open X display", "GLXGLSupport::getGLDisplay", __FILE__, __LINE__);
    EXPECT_NE(describe(noDisplay).find("cannot open the X display"), std::string::npos);

    try {
        std::vector<int>().at(0);
    } catch (...) {
        EXPECT_EQ(describeFatalError(std::current_exception()), "corvane: fatal error: no render system could be loaded");
    }

    std::string multiLine = describe(std::runtime_error("first\nsecond"));
    EXPECT_EQ(multiLine.find('\n'), std::string::npos);
}
