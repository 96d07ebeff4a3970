#include "tests/window/GameRun.h"
#include "tests/window/XInput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <regex>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A folder of this test's own, removed at the end even where the test made parts of it read-only.
struct Scratch {
    const fs::path path = fs::temp_directory_path() / ("corvane-install-" + std::to_string(getpid()));
    Scratch() { fs::remove_all(path), fs::create_directories(path); }
    ~Scratch() { std::system(("chmod -R u+w '" + path.string() + "'").c_str()), fs::remove_all(path); }
};

// Starts `command` from "/" with a fresh `home`, as a player would: as `nobody` when the tests run as root,
// so that a read-only installation is one for the game. Ends it by closing its window or by holding Escape,
// and expects status 0, nothing printed, and the game's log in the player's state folder: `stateHome` when
// given (as XDG_STATE_HOME), else the default under `home`. Its sound device fails on any machine, the sound
// card's library saying so: the game plays silently.
void playAndQuit(const fs::path& home, const std::string& command, bool closeTheWindow, const fs::path& stateHome = {})
{
    fs::create_directories(home);
    std::string asPlayer;
    if (getuid() == 0) {
        std::system(("chown nobody '" + home.string() + "'").c_str());
        asPlayer = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    }
    const fs::path output = home.parent_path() / "output.txt";
    const std::string state = stateHome.empty() ? "-u XDG_STATE_HOME" : "XDG_STATE_HOME='" + stateHome.string() + "'";
    const fs::path noDevice = home.parent_path() / "no-device.conf";
    std::ofstream(noDevice) << "[alsa]\ndevice = hw:99\n";
    const std::string start = "cd / && env " + state + " HOME='" + home.string() + "' ALSOFT_DRIVERS=alsa ALSOFT_CONF='"
        + noDevice.string() + "' timeout -s KILL 120 "
        + asPlayer + command + " > '" + output.string() + "' 2>&1";
    auto finished = std::async(std::launch::async, [&] { return std::system(start.c_str()); });
    const auto ended = [&] { return finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
    const unsigned long window = waitForWindow("Corvane", 30);
    ASSERT_NE(window, 0u) << "the game's window never appeared";
    if (closeTheWindow)
        std::this_thread::sleep_for(std::chrono::milliseconds(300)), closeWindow(window);
    // The game may not read the keyboard yet when its window appears: Escape is held for a moment, again and again.
    EXPECT_TRUE(closeTheWindow || within(30, [&] { return ended() || (sendInput("keydown Escape sleep 0.3 keyup Escape"), false); }));
    const int status = finished.get();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(contentsOf(output), "");
    // A close shuts the engine down; Escape ends the process at once.
    const std::string log = contentsOf((stateHome.empty() ? home / ".local/state" : stateHome) / "corvane/Ogre.log");
    EXPECT_NE(log.find(closeTheWindow ? "OGRE Shutdown" : "Mesh: Loading soldier.mesh"), std::string::npos);
    for (const char* said : {"Sound: ALSA lib ", "Sound: AL lib: (EE) ", "Sound: no audio device, playing silently"})
        EXPECT_NE(log.find(said), std::string::npos) << said;
}

} // namespace

TEST(Install, DesktopFilesValidateAndTheDesktopEntryPlaysFromAReadOnlyInstallation)
{
    const Scratch scratch;
    const fs::path prefix = scratch.path / "prefix";
    const fs::path share = prefix / "share";
    ASSERT_EQ(std::system(("cmake --install '" CORVANE_BUILD_DIR "' --prefix '" + prefix.string() + "' > /dev/null").c_str()), 0);
    EXPECT_EQ(std::system(("desktop-file-validate '" + (share / "applications/corvane.desktop").string() + "'").c_str()), 0);
    EXPECT_EQ(std::system(("appstreamcli validate --no-net '" + (share / "metainfo/org.corvane.Corvane.metainfo.xml").string()
                  + "' > /dev/null").c_str()), 0);
    for (const char* file : {"icons/hicolor/48x48/apps/corvane.png", "icons/hicolor/256x256/apps/corvane.png", "man/man6/corvane.6.gz"})
        EXPECT_TRUE(fs::exists(share / file)) << file;

    std::smatch exec;
    const std::string entry = contentsOf(share / "applications/corvane.desktop");
    EXPECT_NE(entry.find("\nStartupWMClass=Corvane\n"), std::string::npos);
    ASSERT_TRUE(std::regex_search(entry, exec, std::regex("\nExec=(.*)\n")));
    ASSERT_EQ(std::system(("chmod -R a-w '" + prefix.string() + "'").c_str()), 0);
    playAndQuit(scratch.path / "home", exec[1], true);
    const fs::path link = scratch.path / "home/.local/state/corvane/media";
    EXPECT_TRUE(fs::exists(link / "character/soldier.mesh"));

    // One line that says what is wrong, status 1: a file where the launcher keeps its media link, left alone and
    // named; no folder of its own, for want of HOME or of a HOME it may write in.
    fs::remove(link);
    std::ofstream(link) << "the player's own\n";
    const std::pair<std::string, std::string> refusals[] = {
        {"HOME='" + (scratch.path / "home").string() + "'", link.string() + " is in the way of the link to the game's media; move it elsewhere"},
        {"-u HOME", "HOME is not set, so the game has no folder of its own; set HOME or XDG_STATE_HOME"},
        {"HOME=/proc", "cannot write /proc/.local/state/corvane, the game's own folder; set XDG_STATE_HOME to a folder you can write"}};
    for (const auto& [home, line] : refusals)
        EXPECT_EQ(outputOf("env -u XDG_STATE_HOME " + home + " timeout -s KILL 30 " + exec[1].str() + " 2>&1; echo status $?"),
            "corvane: " + line + "\nstatus 1\n");
}

TEST(Install, DebianPackageIsLintianCleanNeedsRuntimeLibrariesOnlyAndItsContentsPlay)
{
    const Scratch scratch;
    ASSERT_EQ(std::system(("cd '" CORVANE_BUILD_DIR "' && DEBFULLNAME='Install Test' DEBEMAIL=install-test@build.invalid"
                           " cpack -G DEB -B '" + scratch.path.string() + "' > /dev/null").c_str()), 0);
    const std::string package = (scratch.path / "corvane_*.deb").string();
    EXPECT_EQ(std::system(("lintian --fail-on error,warning " + package + " 2> /dev/null").c_str()), 0);
    const std::string depends = outputOf("dpkg-deb -f " + package + " Depends");
    const std::string pluginOwner = outputOf("dpkg-query -S " CORVANE_OGRE_PLUGIN_DIR "/RenderSystem_GL.so.* | cut -d: -f1");
    ASSERT_FALSE(pluginOwner.empty());
    EXPECT_NE(depends.find(pluginOwner.substr(0, pluginOwner.size() - 1)), std::string::npos) << depends;
    EXPECT_NE(depends.find("libois"), std::string::npos) << depends;
    EXPECT_NE(depends.find("libopenal1"), std::string::npos) << depends;
    EXPECT_EQ(depends.find("-dev"), std::string::npos) << depends;

    const fs::path root = scratch.path / "root";
    ASSERT_EQ(std::system(("dpkg-deb -x " + package + " '" + root.string() + "'").c_str()), 0);
    // As installed, beside the fonts it depends on.
    fs::create_directory_symlink("/usr/share/fonts", root / "usr/share/fonts");
    playAndQuit(scratch.path / "home", (root / "usr/games/corvane").string(), false, scratch.path / "home/state");
}
