#include "sound/StderrCapture.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

StderrCapture::StderrCapture()
    : savedStderr(-1)
    , capture(-1)
{
    std::fflush(stderr);
    char path[] = "/tmp/corvane-stderr-XXXXXX";
    capture = mkstemp(path);
    if (capture < 0)
        return;
    unlink(path);
    savedStderr = dup(STDERR_FILENO);
    if (savedStderr >= 0)
        dup2(capture, STDERR_FILENO);
}

StderrCapture::~StderrCapture()
{
    release();
}

std::string StderrCapture::release()
{
    std::string text;
    if (savedStderr < 0) {
        if (capture >= 0)
            close(capture);
        capture = -1;
        return text;
    }
    std::fflush(stderr);
    dup2(savedStderr, STDERR_FILENO);
    close(savedStderr);
    savedStderr = -1;
    char block[512];
    lseek(capture, 0, SEEK_SET);
    for (ssize_t count; (count = read(capture, block, sizeof block)) > 0;)
        text.append(block, static_cast<std::size_t>(count));
    close(capture);
    capture = -1;
    return text;
}
