// The game's sounds on the current OpenAL context: a buffer for each clip, a pool of sources so that no
// effect cuts another off, and one looping source for the truck's engine.
#pragma once

#include "sound/SoundBank.h"

#include <OgreVector.h>

#include <vector>

class SoundStage {
public:
    explicit SoundStage(const SoundBank& bank);
    ~SoundStage();
    SoundStage(const SoundStage&) = delete;
    SoundStage& operator=(const SoundStage&) = delete;

    void placeListener(const Ogre::Vector3& position, const Ogre::Vector3& direction, const Ogre::Vector3& up);
    // Where it happens in the world.
    void playAt(Media::Sounds::Clip clip, const Ogre::Vector3& position, float gain = 1, float pitch = 1);
    // The player's own sounds, at the listener.
    void playNear(Media::Sounds::Clip clip, float gain = 1, float pitch = 1);
    // Starts the loop on first use.
    void placeEngine(const Ogre::Vector3& position);
    bool enginePlaying() const;

private:
    unsigned int startSource(Media::Sounds::Clip clip, float gain, float pitch);

    std::vector<unsigned int> buffers;
    std::vector<unsigned int> pool;
    std::size_t nextInPool;
    unsigned int engine;
};
