#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

namespace {

// A start-up that fails ends the process with half-built game objects in it, on purpose:
// leak reports of such a run (in the sanitizer build) say nothing.
const std::string failing = "env ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" ";

// One line on standard error that names the failure, exit status 1, quickly.
void expectFatalLine(const GameRunResult& result, const std::string& naming)
{
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
    EXPECT_NE(result.errors.find("corvane: fatal error: "), std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find(naming), std::string::npos) << result.errors;
    EXPECT_LT(result.seconds, 10.0);
}

} // namespace

TEST(StartupFailure, MissingMediaTree)
{
    GameRun game(false);
    expectFatalLine(game.run(failing), "media folder 'media' not found");
}

TEST(StartupFailure, CorruptScript)
{
    GameRun game(false);
    game.copyMedia();
    std::ofstream(game.directory() / "media" / "crate" / "broken.material") << "material Broken\n{\n  technique\n";
    expectFatalLine(game.run(failing), "broken.material");
}

TEST(StartupFailure, NoDisplay)
{
    GameRun game(true);
    expectFatalLine(game.run(failing + "env -u DISPLAY"), "cannot open the X display");
}

TEST(StartupFailure, NoRenderSystem)
{
    // Replaces the render-system library with an empty file for this one process.
    if (std::system("unshare -m true 2>/dev/null") != 0)
        GTEST_SKIP() << "needs a private mount namespace";
    GameRun game(true);
    const std::string library = CORVANE_OGRE_PLUGIN_DIR "/RenderSystem_GL.so";
    const std::string hideRenderSystem = "unshare -m sh -c 'mount --bind \"$(mktemp)\" \"$(readlink -f " + library
        + ")\" && exec \"$0\"'";
    expectFatalLine(game.run(failing + hideRenderSystem), "RenderSystem_GL");
}

namespace {

namespace fs = std::filesystem;

// Cuts the definition of one material out of whichever script holds it.
void removeMaterial(const fs::path& media, const std::string& name)
{
    for (const auto& file : fs::directory_iterator(media)) {
        if (file.path().extension() != ".material")
            continue;
        std::stringstream text;
        text << std::ifstream(file.path()).rdbuf();
        std::string script = text.str();
        size_t start = script.find("material " + name + " ");
        if (start == std::string::npos)
            start = script.find("material " + name + "\n");
        if (start == std::string::npos)
            continue;
        size_t end = script.find('{', start);
        for (int depth = 0; end < script.size(); ++end) {
            depth += script[end] == '{' ? 1 : script[end] == '}' ? -1 : 0;
            if (depth == 0)
                break;
        }
        script.erase(start, end + 1 - start);
        std::ofstream(file.path()) << script;
    }
}

} // namespace

// Every resource the game asks for by name, taken away in turn, and damaged files.
TEST(StartupFailure, MissingOrBrokenMedia)
{
    struct Case {
        std::string naming;
        std::function<void(const fs::path& media)> breakMedia;
    };
    std::vector<Case> cases;
    for (const char* mesh : {"character/soldier.mesh", "character/rifle.mesh", "truck/truck.mesh",
             "target/target01.mesh", "crate/doboz.mesh"})
        cases.push_back({fs::path(mesh).filename().string(), [=](const fs::path& media) { fs::remove(media / mesh); }});
    for (const char* material : {"target_cracked", "target_perish", "doboz_cracked", "doboz_burning", "Plane", "Sky", "Deck"})
        cases.push_back({"'" + std::string(material) + "'", [=](const fs::path& media) { removeMaterial(media, material); }});
    cases.push_back({"MainOverlay", [](const fs::path& media) { fs::remove(media / "hud.overlay"); }});
    cases.push_back({"truck.mesh", [](const fs::path& media) {
        fs::resize_file(media / "truck/truck.mesh", fs::file_size(media / "truck/truck.mesh") / 2);
    }});
    cases.push_back({".ttf", [](const fs::path& media) {
        for (const auto& file : fs::directory_iterator(media / "hud"))
            if (file.path().extension() == ".ttf")
                fs::remove(file.path());
    }});
    for (const Case& broken : cases) {
        GameRun game(false);
        game.copyMedia();
        broken.breakMedia(game.directory() / "media");
        SCOPED_TRACE(broken.naming);
        expectFatalLine(game.run(failing), broken.naming);
    }
}
