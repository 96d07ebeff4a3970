#include "sound/SoundBank.h"

#include "sound/WaveFile.h"

#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <stdexcept>

namespace {

// In the order of SoundBank::Clip, as the recursive location of the media tree names them.
const char* const fileNames[SoundBank::ClipCount] = {
    "sound/shot_0.wav", "sound/shot_1.wav", "sound/shot_2.wav", "sound/click.wav", "sound/magazine_out.wav", "sound/magazine_in.wav", "sound/bolt.wav",
    "sound/wood_hit_0.wav", "sound/wood_hit_1.wav", "sound/wood_crack.wav", "sound/wood_break.wav",
    "sound/board_hit_0.wav", "sound/board_hit_1.wav", "sound/board_crack.wav", "sound/board_break.wav", "sound/engine.wav",
};

[[noreturn]] void fail(const std::string& what)
{
    OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, what, "SoundBank");
}

} // namespace

SoundBank::SoundBank()
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    for (const char* name : fileNames) {
        if (!resources.resourceExists("General", name))
            fail(std::string("sound file '") + name + "' is missing from the media");
        try {
            clips.push_back(WaveFile::decode(resources.openResource(name, "General")->getAsString()));
        } catch (const std::runtime_error& error) {
            fail(std::string("sound file '") + name + "' is corrupt: " + error.what());
        }
    }
}
