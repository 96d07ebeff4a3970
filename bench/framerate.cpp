// Renders the game, or the same scene with no game logic, and reports time to first frame,
// frame rate and peak memory on one line: MODE SECONDS_TO_FIRST_FRAME FRAMES_PER_SECOND PEAK_MB
#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "hud/GameHud.h"
#include "input/ThirdPersonCamera.h"
#include "player/Soldier.h"
#include "world/Level.h"

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

// The scene the game shows, with no frame listener: nothing moves, nothing is read.
void buildBareScene()
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
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const int frames = argc > 2 ? std::stoi(argv[2]) : 300;
    if (mode != "game" && mode != "bare") {
        std::cerr << "usage: corvane_framerate game|bare [FRAMES]" << std::endl;
        return 2;
    }
    startEngine();
    if (mode == "game")
        assembleGame();
    else
        buildBareScene();
    gRoot->renderOneFrame();
    const double firstFrame = secondsSinceProcessStart();

    for (int i = 0; i < warmUpFrames; ++i)
        gRoot->renderOneFrame();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i)
        gRoot->renderOneFrame();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s %.3f %.2f %.1f\n", mode.c_str(), firstFrame, frames / seconds, usage.ru_maxrss / 1024.0);
    std::fflush(stdout);
    std::_Exit(0);
}
