#include "app/FatalError.h"
#include "app/GameAssembly.h"
#include "app/SoundStart.h"
#include "app/Startup.h"

#include <iostream>

int main()
{
    try {
        claimLog();
        startEngine();
        assembleGame();
        startSound();
        runMainLoop();
    } catch (...) {
        std::cerr << describeFatalError(std::current_exception()) << std::endl;
        return 1;
    }
    return 0;
}
