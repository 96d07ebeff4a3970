// Plays a fixed session of the game (ScriptedPlay) at a fixed frame time, so that every run and
// every build shows the same frames, and reports on one line: FRAMES_PER_SECOND CPU_MS_PER_FRAME
// DRAW_CALLS_PER_FRAME SECONDS_TO_FIRST_FRAME (processor time of all threads, the renderer's included;
// the first frame counted from the start of the process), then FRAMES_PER_SECOND CPU_MS_PER_FRAME of
// each part of the session in turn. Given a folder, it also saves every
// SAVE_EVERY-th frame there as a binary PPM, the frame-rate caption hidden, for compare_frames; saving
// slows the run, so figures of such a run are not comparable. With "sound" first, the game plays with
// its sound on the device OpenAL Soft opens by default. With TURN_WAIT and TURN_PASS naming two pipes,
// it takes turns with another run frame by frame: before each frame it waits for a byte from the one,
// after it passes one on through the other, so that both runs meet the same load of the machine; the
// waiting counts in no figure.
#include "app/GameAssembly.h"
#include "app/Startup.h"
// A build of an older tree, compared against, has no sound.
#if __has_include("app/SoundStart.h")
#include "app/SoundStart.h"
#define CORVANE_BENCH_HAS_SOUND
#endif

#include "ScriptedPlay.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>

#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {

const int warmUpFrames = 20;
const Ogre::Real frameTime = 1.0f / 60;

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double secondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    // The process's start time is the 22nd field, the state after the name the 3rd.
    for (int i = 3; i < 22; ++i)
        fields >> field;
    unsigned long long startTicks = 0;
    fields >> startTicks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec + now.tv_nsec / 1e9 - static_cast<double>(startTicks) / sysconf(_SC_CLK_TCK);
}

// Turns with another run, through two named pipes opened on the first wait.
class Turns {
public:
    Turns() : waitPath(std::getenv("TURN_WAIT")), passPath(std::getenv("TURN_PASS")) {}

    // Seconds spent waiting for the turn.
    double await()
    {
        if (!waitPath || !passPath)
            return 0;
        const auto start = std::chrono::steady_clock::now();
        if (!wait) {
            // Each run opens the pipe it waits on first: the one given the first turn from outside gets
            // through, and opening its other pipe lets the second run through.
            wait = std::fopen(waitPath, "rb");
            pass = std::fopen(passPath, "wb");
            if (!wait || !pass)
                throw std::runtime_error("cannot open the pipes of the turns");
        }
        if (std::fgetc(wait) == EOF)
            throw std::runtime_error("the other run stopped taking turns");
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    // The other run may have ended: a lost byte is no matter.
    void handOver()
    {
        if (pass) {
            std::fputc('x', pass);
            std::fflush(pass);
        }
    }

private:
    const char* waitPath;
    const char* passPath;
    FILE* wait = nullptr;
    FILE* pass = nullptr;
};

void saveFrame(const std::string& path)
{
    const size_t width = gRenderWindow->getWidth(), height = gRenderWindow->getHeight();
    std::vector<unsigned char> pixels(width * height * 3);
    gRenderWindow->copyContentsToMemory(Ogre::Box(0, 0, width, height),
        Ogre::PixelBox(width, height, 1, Ogre::PF_BYTE_RGB, pixels.data()));
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(pixels.data()), pixels.size());
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    const bool withSound = argc > 1 && std::string(argv[1]) == "sound";
    const std::vector<std::string> args(argv + 1 + withSound, argv + argc);
    const int frames = args.size() > 0 ? std::stoi(args[0]) : 600;
    const std::string saveFolder = args.size() > 1 ? args[1] : "";
    const int saveEvery = args.size() > 2 ? std::stoi(args[2]) : 10;
    if (frames <= 0 || saveEvery <= 0) {
        std::cerr << "usage: corvane_framerate [sound] [FRAMES [SAVE_FOLDER [SAVE_EVERY]]]" << std::endl;
        return 2;
    }
    startEngine();
    assembleGame();
#ifdef CORVANE_BENCH_HAS_SOUND
    if (withSound)
        startSound();
#endif
    if (!saveFolder.empty())
        Ogre::OverlayManager::getSingleton().getOverlayElement("FPS")->hide();

    signal(SIGPIPE, SIG_IGN);
    Turns turns;
    double waited = 0;
    ScriptedPlay play;
    int frame = 0;
    size_t drawCalls = 0;
    struct Share {
        int frames = 0;
        double seconds = 0, processor = 0;
    } parts[ScriptedPlay::PartCount];
    auto renderFrame = [&]() {
        waited += turns.await();
        play.beforeFrame(frame, frameTime);
        const auto frameStart = std::chrono::steady_clock::now();
        const double frameProcessor = processorSeconds();
        gRoot->renderOneFrame(frameTime);
        Share& part = parts[ScriptedPlay::partOf(frame)];
        part.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - frameStart).count();
        part.processor += processorSeconds() - frameProcessor;
        ++part.frames;
        drawCalls += gRenderWindow->getStatistics().batchCount;
        if (!saveFolder.empty() && frame % saveEvery == 0) {
            char name[32];
            std::snprintf(name, sizeof name, "/frame%04d.ppm", frame);
            saveFrame(saveFolder + name);
        }
        ++frame;
        turns.handOver();
    };
    renderFrame();
    const double firstFrame = secondsSinceProcessStart() - waited;
    for (int i = 1; i < warmUpFrames; ++i)
        renderFrame();
    drawCalls = 0;
    for (Share& part : parts)
        part = Share();
    const double startProcessor = processorSeconds();
    for (int i = 0; i < frames; ++i)
        renderFrame();
    double seconds = 0;
    for (const Share& part : parts)
        seconds += part.seconds;
    const double processorMsPerFrame = (processorSeconds() - startProcessor) * 1000 / frames;

    std::printf("%.2f %.2f %.1f %.3f", frames / seconds, processorMsPerFrame, static_cast<double>(drawCalls) / frames,
        firstFrame);
    for (const Share& part : parts)
        std::printf(" %.2f %.2f", part.frames / std::max(part.seconds, 1e-9), part.processor * 1000 / std::max(part.frames, 1));
    std::printf("\n");
    std::fflush(stdout);
    std::_Exit(0);
}
