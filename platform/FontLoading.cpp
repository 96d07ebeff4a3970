#include "platform/FontLoading.h"

#include <OgreRoot.h>

#include <Overlay/OgreFontManager.h>

void loadAllFonts()
{
    if (!Ogre::Root::getSingleton().getRenderSystem())
        return;
    for (const auto& entry : Ogre::FontManager::getSingleton().getResourceIterator())
        entry.second->load();
}
