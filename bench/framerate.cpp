// Plays a fixed session of the game (ScriptedPlay) at a fixed frame time, so that every run and
// every build shows the same frames, and reports on one line: FRAMES_PER_SECOND CPU_MS_PER_FRAME
// DRAW_CALLS_PER_FRAME (processor time of all threads, the renderer's included). Given a folder, it
// also saves every SAVE_EVERY-th frame there as a binary PPM, the frame-rate caption hidden, for
// compare_frames; saving slows the run, so figures of such a run are not comparable.
#include "app/GameAssembly.h"
#include "app/Startup.h"

#include "ScriptedPlay.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>

#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

const int warmUpFrames = 20;
const Ogre::Real frameTime = 1.0f / 60;

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

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
    const int frames = argc > 1 ? std::stoi(argv[1]) : 600;
    const std::string saveFolder = argc > 2 ? argv[2] : "";
    const int saveEvery = argc > 3 ? std::stoi(argv[3]) : 10;
    if (frames <= 0 || saveEvery <= 0) {
        std::cerr << "usage: corvane_framerate [FRAMES [SAVE_FOLDER [SAVE_EVERY]]]" << std::endl;
        return 2;
    }
    startEngine();
    assembleGame();
    if (!saveFolder.empty())
        Ogre::OverlayManager::getSingleton().getOverlayElement("FPS")->hide();

    ScriptedPlay play;
    int frame = 0;
    size_t drawCalls = 0;
    auto renderFrame = [&]() {
        play.beforeFrame(frame, frameTime);
        gRoot->renderOneFrame(frameTime);
        drawCalls += gRenderWindow->getStatistics().batchCount;
        if (!saveFolder.empty() && frame % saveEvery == 0) {
            char name[32];
            std::snprintf(name, sizeof name, "/frame%04d.ppm", frame);
            saveFrame(saveFolder + name);
        }
        ++frame;
    };
    for (int i = 0; i < warmUpFrames; ++i)
        renderFrame();
    drawCalls = 0;
    const double startProcessor = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i)
        renderFrame();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double processorMsPerFrame = (processorSeconds() - startProcessor) * 1000 / frames;

    std::printf("%.2f %.2f %.1f\n", frames / seconds, processorMsPerFrame, static_cast<double>(drawCalls) / frames);
    std::fflush(stdout);
    std::_Exit(0);
}
