#include "sound/AudioDevice.h"

#include "common/MediaContract.h"
#include "sound/AudioLibraryLog.h"

#include <AL/alc.h>
#include <AL/alext.h>

#include <OgreLogManager.h>

namespace {

void logLine(const std::string& line)
{
    Ogre::LogManager::getSingleton().logMessage("Sound: " + line);
}

} // namespace

AudioDevice::AudioDevice(ALCdevice* device, ALCcontext* context)
    : device(device)
    , context(context)
{
    alcMakeContextCurrent(context);
}

std::unique_ptr<AudioDevice> AudioDevice::openDefault()
{
    AudioLibraryLog::capture();
    ALCdevice* device = alcOpenDevice(nullptr);
    ALCcontext* context = device ? alcCreateContext(device, nullptr) : nullptr;
    if (!context && device)
        alcCloseDevice(device);
    AudioLibraryLog::copyToEngineLog();
    if (!context) {
        logLine(device ? "the audio device failed, playing silently" : "no audio device, playing silently");
        return nullptr;
    }
    logLine(std::string("playing on '") + alcGetString(device, ALC_DEVICE_SPECIFIER) + "'");
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, context));
}

std::unique_ptr<AudioDevice> AudioDevice::openLoopback()
{
    AudioLibraryLog::capture();
    const auto openLoopbackDevice = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    ALCdevice* device = openLoopbackDevice ? openLoopbackDevice(nullptr) : nullptr;
    AudioLibraryLog::copyToEngineLog();
    if (!device)
        return nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
        ALC_FREQUENCY, Media::Sounds::sampleRate, ALC_HRTF_SOFT, ALC_FALSE, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, alcCreateContext(device, attributes)));
}

AudioDevice::~AudioDevice()
{
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
    AudioLibraryLog::copyToEngineLog();
}

void AudioDevice::render(float* interleaved, int frames)
{
    const auto renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(device, "alcRenderSamplesSOFT"));
    renderSamples(device, interleaved, frames);
}
