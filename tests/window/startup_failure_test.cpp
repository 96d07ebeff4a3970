#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

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
    expectFatalLine(game.run(), "media folder 'media' not found");
}

TEST(StartupFailure, CorruptScript)
{
    GameRun game(false);
    game.copyMedia();
    std::ofstream(game.directory() / "media" / "crate" / "broken.material") << "material Broken\n{\n  technique\n";
    expectFatalLine(game.run(), "broken.material");
}

TEST(StartupFailure, NoDisplay)
{
    GameRun game(true);
    expectFatalLine(game.run("env -u DISPLAY"), "cannot open the X display");
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
    expectFatalLine(game.run(hideRenderSystem), "RenderSystem_GL");
}

TEST(StartupFailure, MissingOrBrokenMedia)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* naming;
        std::function<void(const fs::path& media)> breakMedia;
    };
    const Case cases[] = {
        {"soldier.mesh", [](const fs::path& media) { fs::remove(media / "character/soldier.mesh"); }},
        {"truck.mesh",
            [](const fs::path& media) { fs::resize_file(media / "truck/truck.mesh", fs::file_size(media / "truck/truck.mesh") / 2); }},
        {"'Deck'",
            [](const fs::path& media) {
                std::ofstream(media / "truck.material") << "material NotTheDeck\n{\n}\n";
            }},
        {".ttf", [](const fs::path& media) {
             for (const auto& file : fs::directory_iterator(media / "hud"))
                 if (file.path().extension() == ".ttf")
                     fs::remove(file.path());
         }},
    };
    for (const Case& broken : cases) {
        GameRun game(false);
        game.copyMedia();
        broken.breakMedia(game.directory() / "media");
        SCOPED_TRACE(broken.naming);
        expectFatalLine(game.run(), broken.naming);
    }
}
