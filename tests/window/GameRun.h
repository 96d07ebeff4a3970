// Runs the built game as its own process in a scratch working directory.
#pragma once

#include <filesystem>
#include <string>

// The sanitizer build starts several times slower, and its address sanitizer holds freed memory back.
#ifdef CORVANE_SANITIZE_BUILD
constexpr bool sanitizerBuild = true;
#else
constexpr bool sanitizerBuild = false;
#endif

struct GameRunResult {
    int exitStatus = -1;   // -1 when the process did not exit normally
    std::string errors;    // what it printed to standard error
};

// The whole of a text file; empty when there is none.
std::string contentsOf(const std::filesystem::path& file);

class GameRun {
public:
    // A fresh working directory with a copy of the build's media tree, free to be changed by the test.
    GameRun();
    ~GameRun() { std::filesystem::remove_all(workDir); }

    const std::filesystem::path& directory() const { return workDir; }

    // Starts the engine in this process with the directory as its working directory: parallel tests then
    // write their own "Ogre.log".
    void startEngineHere() const;

    // Runs `prefix ./corvane` (prefix: environment settings or a wrapper command), waiting at most `timeout` s.
    GameRunResult run(const std::string& prefix = "", int timeout = 30) const;

private:
    std::filesystem::path workDir;
};
