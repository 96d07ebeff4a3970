// Standard error caught in a temporary file while noisy library code runs, so that the console stays quiet.
#pragma once

#include <string>

class StderrCapture {
public:
    StderrCapture();
    // Puts standard error back, if release has not.
    ~StderrCapture();

    // Puts standard error back and returns what was written to it meanwhile.
    std::string release();

private:
    int savedStderr;
    int capture;
};
