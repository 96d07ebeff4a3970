#include "common/MediaContract.h"
#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What the one line on standard error must name; what is done to a copy of the media tree, if anything;
// what is put before the game's command.
struct Failure { std::string naming; std::function<void(const fs::path& media)> cause; std::string prefix = ""; };

// More with the sanitizers, on a loaded machine too.
const int startupLimit = sanitizerBuild ? 60 : 10;

} // namespace

// Every real failure ends start-up within the limit, with status 1 and one line naming it: each file the game
// reads taken away in turn (a whole folder too), damaged media, no media tree, no display, no render system.
TEST(StartupFailure, EachFailureNamedOnOneLine)
{
    std::vector<Failure> failures = {
        {"media folder 'media' not found", [](const fs::path& media) { fs::remove_all(media); }},
        {"broken.material", [](const fs::path& media) { std::ofstream(media / "broken.material") << "material B\n{\n"; }},
        {"ground.frag", [](const fs::path& media) { std::ofstream(media / "ground.frag", std::ios::app) << "no shader\n"; }},
        {"MainOverlay", [](const fs::path& media) { fs::remove(media / "hud.overlay"); }},
        {"truck.mesh", [](const fs::path& media) { fs::resize_file(media / "truck/truck.mesh", 100); }},
        {"ground.png", [](const fs::path& media) { fs::remove_all(media / "plane"); }},
        {"'sound/shot_0.wav' is missing", [](const fs::path& media) { fs::remove(media / "sound/shot_0.wav"); }},
        {"'sound/engine.wav' is corrupt", [](const fs::path& media) { fs::resize_file(media / "sound/engine.wav", 1000); }},
        {"cannot open the X display", {}, "env -u DISPLAY"},
    };
    for (const char* file : {"character/soldier.mesh", "character/soldier.skeleton", "character/rifle.mesh", "truck/truck.mesh",
             "target/target01.mesh", "crate/doboz.mesh", "sky/sky_up.png", "plane/ground_patches.png", "hud/DejaVuSans-Bold.ttf",
             "icon/corvane_64.png"})
        failures.push_back({fs::path(file).filename(), [=](const fs::path& media) { fs::remove(media / file); }});
    for (const std::string material : Media::Materials::required)
        failures.push_back({"'" + material + "'", [=](const fs::path& media) {
            for (const auto& file : fs::directory_iterator(media))
                if (file.path().extension() == ".material") {
                    const std::string script = contentsOf(file.path());
                    std::ofstream(file.path()) << std::regex_replace(script, std::regex("material " + material + "(\\s)"), "material gone$1");
                }
        }});
    // The render-system library replaced with an empty file, for this one process.
    if (std::system("unshare -m true 2>/dev/null") == 0)
        failures.push_back({"RenderSystem_GL", {}, "unshare -m sh -c 'mount --bind \"$(mktemp)\" \"$(readlink -f "
                CORVANE_OGRE_PLUGIN_DIR "/RenderSystem_GL.so)\" && exec \"$0\"'"});
    for (const Failure& failure : failures) {
        const GameRun game;
        if (failure.cause)
            failure.cause(game.directory() / "media");
        // Half-built game objects are left behind on purpose: leak reports of the sanitizer build say nothing.
        const GameRunResult result = game.run("env ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" " + failure.prefix, startupLimit);
        SCOPED_TRACE(failure.naming);
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
        EXPECT_EQ(result.errors.rfind("corvane: fatal error: ", 0), 0u) << result.errors;
        EXPECT_NE(result.errors.find(failure.naming), std::string::npos) << result.errors;
    }
}
