#include "tests/window/GameRun.h"

#include "app/Startup.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

static const fs::path buildDir = CORVANE_BUILD_DIR;

std::string contentsOf(const fs::path& file)
{
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

GameRun::GameRun()
{
    workDir = fs::temp_directory_path() / ("corvane-run-" + std::to_string(getpid()));
    fs::remove_all(workDir), fs::create_directories(workDir);
    fs::create_symlink(buildDir / "corvane", workDir / "corvane");
    fs::copy(buildDir / "media", workDir / "media", fs::copy_options::recursive);
}

void GameRun::startEngineHere() const
{
    fs::current_path(workDir);
    startEngine();
}

GameRunResult GameRun::run(const std::string& prefix, int timeout) const
{
    const fs::path errorFile = workDir / "stderr.txt";
    const std::string command = "cd '" + workDir.string() + "' && timeout -s KILL " + std::to_string(timeout) + " "
        + prefix + " ./corvane > stdout.txt 2> '" + errorFile.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(errorFile)};
}
