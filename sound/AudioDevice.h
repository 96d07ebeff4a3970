// An OpenAL device with its context, current while it lives; closed when destroyed.
#pragma once

#include <memory>

struct ALCdevice_struct;
struct ALCcontext_struct;

class AudioDevice {
public:
    // The user's default device, opened the normal way so that the user's OpenAL configuration applies.
    // Null when there is none or it fails; one line in the engine's log says which, and the library's own
    // messages go there instead of the console.
    static std::unique_ptr<AudioDevice> openDefault();
    // Renders into memory only when asked: stereo, float, at the sounds' rate, exact to the sample.
    static std::unique_ptr<AudioDevice> openLoopback();

    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Loopback only: mixes the next frames into `interleaved` (left, right, left, ...).
    void render(float* interleaved, int frames);

private:
    AudioDevice(ALCdevice_struct* device, ALCcontext_struct* context);

    ALCdevice_struct* device;
    ALCcontext_struct* context;
};
