#include "platform/QuietLog.h"

#include <OgreLogManager.h>

void createQuietLog(const std::string& fileName)
{
    const bool defaultLog = true;
    const bool debuggerOutput = false;
    const bool suppressFile = false;
    OGRE_NEW Ogre::LogManager();
    Ogre::LogManager::getSingleton().createLog(fileName, defaultLog, debuggerOutput, suppressFile);
}
