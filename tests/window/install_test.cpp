#include "tests/window/XInput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Install, InstalledGameStartsFromItsLauncher)
{
    const fs::path prefix = fs::temp_directory_path() / ("corvane-prefix-" + std::to_string(getpid()));
    fs::remove_all(prefix);
    const std::string install = "cmake --install '" CORVANE_BUILD_DIR "' --prefix '" + prefix.string() + "' > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0);

    EXPECT_TRUE(fs::exists(prefix / "share/corvane/media/character/soldier.mesh"));
    std::stringstream desktop;
    desktop << std::ifstream(prefix / "share/applications/corvane.desktop").rdbuf();
    EXPECT_NE(desktop.str().find("Exec=" + (prefix / "bin/corvane").string()), std::string::npos);
    EXPECT_NE(desktop.str().find("Path=" + (prefix / "share/corvane").string()), std::string::npos);

    // Started from elsewhere, as a desktop would, the launcher finds the media; Escape ends it.
    const std::string start = "cd / && '" + (prefix / "bin/corvane").string() + "' > /dev/null 2>&1";
    auto finished = std::async(std::launch::async, [&] { return std::system(start.c_str()); });
    ASSERT_NE(waitForWindow("Corvane", 20), 0u);
    const auto gameEnded = [&] { return finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
    ASSERT_TRUE(pressEscapeUntil(gameEnded, 30));
    const int status = finished.get();
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    fs::remove_all(prefix);
}
