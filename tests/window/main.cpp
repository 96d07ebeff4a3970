// The window tests start the engine, and the engine starts once in a process; some start a window manager,
// which owns its display. Given one test (as ctest runs them), the binary runs it; given more, run whole or
// filtered, it runs each in a process of its own on a virtual display of its own.
#include "tests/window/XInput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::string command = "'" + std::string(argv[0]) + "'";
    for (int i = 1; i < argc; ++i)
        command += " '" + std::string(argv[i]) + "'";
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    // Suites at the start of a line, their tests indented below them.
    std::vector<std::string> selected;
    std::istringstream list(outputOf(command + " --gtest_list_tests"));
    for (std::string line, suite; std::getline(list, line);) {
        std::string name;
        std::istringstream(line) >> name;
        if (line[0] == ' ')
            selected.push_back(suite + name);
        else
            suite = name;
    }
    if (selected.size() < 2)
        return RUN_ALL_TESTS();
    int failed = 0;
    for (const std::string& test : selected)
        failed += std::system((CORVANE_VIRTUAL_DISPLAY " " + command + " --gtest_filter=" + test).c_str()) != 0;
    std::printf("%zu passed, %d failed\n", selected.size() - failed, failed);
    return failed ? 1 : 0;
}
