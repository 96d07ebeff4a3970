#include "sound/AudioLibraryLog.h"

#include <OgreLogManager.h>

#include <alsa/asoundlib.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// OpenAL Soft's log, and how much of it has been copied.
int openalLog = -1;
off_t openalLogCopied = 0;
// The library's setting made here, read at its first call; kept from programs started later.
const char* setting = nullptr;

// ALSA's errors, worded as its own handler words them. They may come from the mixer's thread. Never
// destroyed, so that a device closed as the process ends can still copy them.
struct AlsaLines {
    std::mutex lock;
    std::string text;
};
AlsaLines& alsaLines()
{
    static AlsaLines* const lines = new AlsaLines;
    return *lines;
}

void keepAlsaError(const char* file, int line, const char* function, int error, const char* format, ...)
{
    char message[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    std::ostringstream text;
    text << "ALSA lib " << file << ":" << line << ":(" << function << ") " << message;
    if (error)
        text << ": " << snd_strerror(error);
    const std::lock_guard<std::mutex> hold(alsaLines().lock);
    alsaLines().text += text.str() + "\n";
}

} // namespace

void AudioLibraryLog::capture()
{
    static bool captured = false;
    if (captured)
        return;
    captured = true;
    snd_lib_error_set_handler(keepAlsaError);
    if (std::getenv("ALSOFT_LOGFILE"))
        return;
    openalLog = memfd_create("openal-log", MFD_CLOEXEC);
    const std::string path = "/proc/self/fd/" + std::to_string(openalLog);
    if (openalLog >= 0 && access(path.c_str(), W_OK) == 0) {
        setting = "ALSOFT_LOGFILE";
        setenv(setting, path.c_str(), 1);
        return;
    }
    if (openalLog >= 0)
        close(openalLog);
    openalLog = -1;
    // Nowhere to keep it: silent rather than on the console, unless the user asks for a level.
    if (!std::getenv("ALSOFT_LOGLEVEL")) {
        setting = "ALSOFT_LOGLEVEL";
        setenv(setting, "0", 1);
    }
}

void AudioLibraryLog::copyToEngineLog()
{
    if (setting)
        unsetenv(setting);
    setting = nullptr;
    std::string said;
    {
        const std::lock_guard<std::mutex> hold(alsaLines().lock);
        said.swap(alsaLines().text);
    }
    if (openalLog >= 0) {
        // The library writes its log through a buffered stream of its own.
        std::fflush(nullptr);
        char block[512];
        for (ssize_t count; (count = pread(openalLog, block, sizeof block, openalLogCopied)) > 0; openalLogCopied += count)
            said.append(block, static_cast<std::size_t>(count));
    }
    std::istringstream lines(said);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty())
            Ogre::LogManager::getSingleton().logMessage("Sound: " + line);
}
