#include "platform/LogLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The file is left open: the lock lasts until the process ends, however it ends.
bool lockLog(const std::string& fileName)
{
    const int file = open(fileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (file < 0 || flock(file, LOCK_EX | LOCK_NB) == 0)
        return true;
    const bool heldElsewhere = errno == EWOULDBLOCK;
    close(file);
    return !heldElsewhere;
}
