// Renders the game, or the same frames of the same scene with no game logic, and reports time to
// first frame, frame rate, processor time per frame (all threads, the renderer's included) and peak
// memory on one line: MODE SECONDS_TO_FIRST_FRAME FRAMES_PER_SECOND CPU_MS_PER_FRAME PEAK_MB.
// The game runs at a fixed frame time, so every run shows the same frames; "record" runs it once
// and saves where everything stood in each frame, and "bare" replays that on the engine alone; "sound"
// is the game with its sound on the device OpenAL Soft opens by default.
#include "app/GameAssembly.h"
#include "app/SoundStart.h"
#include "app/Startup.h"
#include "hud/GameHud.h"
#include "input/ThirdPersonCamera.h"
#include "player/Soldier.h"
#include "world/Level.h"

#include "SceneTrack.h"

#include <OgreCamera.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {

const int warmUpFrames = 20;
const Ogre::Real frameTime = 1.0f / 60;

// Seconds since this process was started, from the kernel's record of its start.
double secondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 22; ++i)
        fields >> field;
    unsigned long long startTicks = 0;
    fields >> startTicks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec + now.tv_nsec / 1e9 - static_cast<double>(startTicks) / sysconf(_SC_CLK_TCK);
}

// The scene the game shows, with no frame listener: nothing moves unless a track is replayed.
Ogre::Camera* buildBareScene()
{
    Ogre::Camera* camera = gSceneManager->createCamera("Main Camera");
    camera->setFarClipDistance(500);
    camera->setNearClipDistance(1);
    gRenderWindow->addViewport(camera, 0, 0, 0, 1, 1);
    GameHud* hud = new GameHud();
    Level* level = new Level(gSceneManager);
    Soldier* player = new Soldier(gSceneManager, hud, level);
    player->setTruckNode(level->getTruckNode());
    player->setRiding(true);
    level->update(0, 0);
    player->update(0, 0);
    ThirdPersonCamera* follow = new ThirdPersonCamera();
    follow->setCamera(camera);
    follow->setTarget(player);
    follow->update(0, 0);
    hud->update(0, 0);
    return camera;
}

rusage resourceUsage()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

double processorSeconds()
{
    const rusage usage = resourceUsage();
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const int frames = argc > 2 ? std::stoi(argv[2]) : 300;
    const std::string trackPath = argc > 3 ? argv[3] : "";
    const bool live = mode == "game" || mode == "sound";
    if ((!live && mode != "bare" && mode != "record") || (!live && trackPath.empty())) {
        std::cerr << "usage: corvane_framerate game|sound [FRAMES] | record|bare FRAMES TRACK" << std::endl;
        return 2;
    }
    const bool replaying = mode == "bare";
    const bool recording = mode == "record";
    startEngine();
    Ogre::Camera* camera = nullptr;
    if (replaying)
        camera = buildBareScene();
    else
        assembleGame();
    if (mode == "sound")
        startSound();
    gRoot->renderOneFrame(frameTime);
    const double firstFrame = secondsSinceProcessStart();

    SceneTrack track;
    if (replaying) {
        track.load(trackPath);
        track.apply(gSceneManager, camera, 0);
    }
    if (recording)
        track.capture(gSceneManager, gCamera);
    int frame = 1;
    auto renderFrame = [&]() {
        if (replaying)
            track.apply(gSceneManager, camera, frame);
        gRoot->renderOneFrame(frameTime);
        if (recording)
            track.capture(gSceneManager, gCamera);
        ++frame;
    };
    for (int i = 0; i < warmUpFrames; ++i)
        renderFrame();
    const double startProcessor = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i)
        renderFrame();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double processorMsPerFrame = (processorSeconds() - startProcessor) * 1000 / frames;

    if (recording)
        track.save(trackPath);
    std::printf("%s %.3f %.2f %.2f %.1f\n", mode.c_str(), firstFrame, frames / seconds, processorMsPerFrame,
                resourceUsage().ru_maxrss / 1024.0);
    std::fflush(stdout);
    std::_Exit(0);
}
