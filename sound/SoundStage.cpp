#include "sound/SoundStage.h"

#include "common/MediaContract.h"

#include <AL/al.h>

namespace {

// Enough for automatic fire with hits, cracks and the reload ringing out together.
const int poolSize = 32;
// Full loudness within this distance; beyond it -6 dB per doubling, so a hit 300 units away is
// 20 dB down: faint but there.
const float referenceDistance = 30;
const float maxDistance = 6000;
// Under the effects: shots and the reload stand well above it.
const float engineGain = 0.12f;

} // namespace

SoundStage::SoundStage(const SoundBank& bank)
    : buffers(Media::Sounds::ClipCount)
    , pool(poolSize)
    , nextInPool(0)
    , engine(0)
{
    alGenBuffers(Media::Sounds::ClipCount, buffers.data());
    for (int clip = 0; clip < Media::Sounds::ClipCount; ++clip) {
        const std::vector<std::int16_t>& samples = bank.samples(static_cast<Media::Sounds::Clip>(clip));
        alBufferData(buffers[clip], AL_FORMAT_MONO16, samples.data(),
            static_cast<ALsizei>(samples.size() * sizeof(std::int16_t)), Media::Sounds::sampleRate);
    }
    alGenSources(poolSize, pool.data());
    alGenSources(1, &engine);
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    for (ALuint source : pool) {
        alSourcef(source, AL_REFERENCE_DISTANCE, referenceDistance);
        alSourcef(source, AL_MAX_DISTANCE, maxDistance);
    }
    alSourcef(engine, AL_REFERENCE_DISTANCE, referenceDistance);
    alSourcef(engine, AL_MAX_DISTANCE, maxDistance);
    alSourcei(engine, AL_BUFFER, static_cast<ALint>(buffers[Media::Sounds::Engine]));
    alSourcei(engine, AL_LOOPING, AL_TRUE);
    alSourcef(engine, AL_GAIN, engineGain);
}

SoundStage::~SoundStage()
{
    alSourceStopv(poolSize, pool.data());
    alSourceStop(engine);
    alDeleteSources(poolSize, pool.data());
    alDeleteSources(1, &engine);
    alDeleteBuffers(Media::Sounds::ClipCount, buffers.data());
}

void SoundStage::placeListener(const Ogre::Vector3& position, const Ogre::Vector3& direction, const Ogre::Vector3& up)
{
    const ALfloat orientation[] = {direction.x, direction.y, direction.z, up.x, up.y, up.z};
    alListener3f(AL_POSITION, position.x, position.y, position.z);
    alListenerfv(AL_ORIENTATION, orientation);
}

void SoundStage::playAt(Media::Sounds::Clip clip, const Ogre::Vector3& position, float gain, float pitch)
{
    const ALuint source = startSource(clip, gain, pitch);
    alSourcei(source, AL_SOURCE_RELATIVE, AL_FALSE);
    alSource3f(source, AL_POSITION, position.x, position.y, position.z);
    alSourcePlay(source);
}

void SoundStage::playNear(Media::Sounds::Clip clip, float gain, float pitch)
{
    const ALuint source = startSource(clip, gain, pitch);
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0, 0, 0);
    alSourcePlay(source);
}

void SoundStage::placeEngine(const Ogre::Vector3& position)
{
    alSource3f(engine, AL_POSITION, position.x, position.y, position.z);
    if (!enginePlaying())
        alSourcePlay(engine);
}

bool SoundStage::enginePlaying() const
{
    ALint state = AL_STOPPED;
    alGetSourcei(engine, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

// The next source of the pool that is not playing; when all are, the next in turn, which is the one
// started longest ago.
unsigned int SoundStage::startSource(Media::Sounds::Clip clip, float gain, float pitch)
{
    std::size_t chosen = nextInPool;
    for (std::size_t tried = 0; tried < pool.size(); ++tried) {
        const std::size_t index = (nextInPool + tried) % pool.size();
        ALint state = AL_STOPPED;
        alGetSourcei(pool[index], AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) {
            chosen = index;
            break;
        }
    }
    nextInPool = (chosen + 1) % pool.size();
    const ALuint source = pool[chosen];
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers[clip]));
    alSourcef(source, AL_GAIN, gain);
    alSourcef(source, AL_PITCH, pitch);
    return source;
}
