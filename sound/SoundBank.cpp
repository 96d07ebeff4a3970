#include "sound/SoundBank.h"

#include "sound/WaveFile.h"

#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const std::string& what)
{
    OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, what, "SoundBank");
}

} // namespace

SoundBank::SoundBank()
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    for (const char* name : Media::Sounds::files) {
        if (!resources.resourceExists("General", name))
            fail(std::string("sound file '") + name + "' is missing from the media");
        try {
            clips.push_back(WaveFile::decode(name, resources.openResource(name, "General")->getAsString()));
        } catch (const std::runtime_error& error) {
            fail(error.what());
        }
    }
}
