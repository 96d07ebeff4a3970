#include "sound/AudioDevice.h"

#include "common/MediaContract.h"
#include "sound/StderrCapture.h"

#include <AL/alc.h>
#include <AL/alext.h>

#include <OgreLogManager.h>

#include <sstream>

namespace {

// The last line the library wrote, which says why it failed.
std::string lastLine(const std::string& text)
{
    std::istringstream lines(text);
    std::string line, last;
    while (std::getline(lines, line))
        if (!line.empty())
            last = line;
    return last;
}

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
    StderrCapture quiet;
    ALCdevice* device = alcOpenDevice(nullptr);
    ALCcontext* context = device ? alcCreateContext(device, nullptr) : nullptr;
    if (!context) {
        if (device)
            alcCloseDevice(device);
        const std::string why = lastLine(quiet.release());
        logLine(std::string(device ? "the audio device failed" : "no audio device") + ", playing silently"
            + (why.empty() ? "" : " (" + why + ")"));
        return nullptr;
    }
    quiet.release();
    logLine(std::string("playing on '") + alcGetString(device, ALC_DEVICE_SPECIFIER) + "'");
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, context));
}

std::unique_ptr<AudioDevice> AudioDevice::openLoopback()
{
    const auto openLoopbackDevice = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    ALCdevice* device = openLoopbackDevice ? openLoopbackDevice(nullptr) : nullptr;
    if (!device)
        return nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
        ALC_FREQUENCY, Media::Sounds::sampleRate, ALC_HRTF_SOFT, ALC_FALSE, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, alcCreateContext(device, attributes)));
}

AudioDevice::~AudioDevice()
{
    StderrCapture quiet;
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
    const std::string said = lastLine(quiet.release());
    if (!said.empty())
        logLine(said);
}

void AudioDevice::render(float* interleaved, int frames)
{
    const auto renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(device, "alcRenderSamplesSOFT"));
    renderSamples(device, interleaved, frames);
}
