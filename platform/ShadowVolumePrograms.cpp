#include "platform/ShadowVolumePrograms.h"

#include <OgreResourceGroupManager.h>

void registerShadowVolumePrograms()
{
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(std::string(CORVANE_OGRE_MEDIA_DIR) + "/ShadowVolume",
        "FileSystem", Ogre::ResourceGroupManager::INTERNAL_RESOURCE_GROUP_NAME);
}
