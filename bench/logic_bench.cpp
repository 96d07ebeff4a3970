// Game logic without rendering, in a game assembled on a real (virtual) window.
// Run from the build folder under a display: scripts/with-xvfb.sh ./corvane_bench
#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "app/mainFrameListener.h"
#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "world/Level.h"

#include <OgreMeshManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <benchmark/benchmark.h>

namespace {

const Ogre::Real frameTime = 1.0f / 60;

void assembleOnce()
{
    static bool assembled = false;
    if (!assembled) {
        startEngine();
        assembleGame();
        gRoot->renderOneFrame();
        assembled = true;
    }
}

Ogre::FrameEvent frameOf(Ogre::Real seconds)
{
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = seconds;
    return event;
}

void FiveUpdatesOfAFrame(benchmark::State& state)
{
    assembleOnce();
    mainFrameListener listener;
    const Ogre::FrameEvent event = frameOf(frameTime);
    for (auto _ : state)
        benchmark::DoNotOptimize(listener.frameStarted(event));
}
BENCHMARK(FiveUpdatesOfAFrame);

void OneShot(benchmark::State& state)
{
    assembleOnce();
    for (auto _ : state)
        gPlayer->shoot();
}
BENCHMARK(OneShot);

void HudUpdate(benchmark::State& state)
{
    assembleOnce();
    for (auto _ : state)
        gHud->update(0, frameTime);
}
BENCHMARK(HudUpdate);

// Each level gets a scene of its own; the plane meshes a level makes are named, so the
// previous level's are dropped first.
void LevelConstruction(benchmark::State& state)
{
    assembleOnce();
    for (auto _ : state) {
        state.PauseTiming();
        Ogre::MeshManager::getSingleton().remove("ground", Ogre::RGN_DEFAULT);
        Ogre::MeshManager::getSingleton().remove("deck", Ogre::RGN_DEFAULT);
        Ogre::SceneManager* scene = gRoot->createSceneManager("OctreeSceneManager");
        state.ResumeTiming();
        benchmark::DoNotOptimize(new Level(scene));
        state.PauseTiming();
        gRoot->destroySceneManager(scene);
        state.ResumeTiming();
    }
}
BENCHMARK(LevelConstruction)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
