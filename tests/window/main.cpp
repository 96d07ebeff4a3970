// The window tests start the engine, and the engine starts once in a process. Run with a selection of one
// test (as ctest runs them), the binary runs it; with more (run whole, or filtered), it runs each selected
// test in a process of its own, one after another, and sums up.
#include <gtest/gtest.h>

#include <fnmatch.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Whether a filter of googletest's (patterns, then after '-' the patterns left out) selects the test.
bool selects(const std::string& filter, const std::string& test)
{
    const auto matches = [&](const std::string& patterns) {
        std::istringstream list(patterns);
        for (std::string pattern; std::getline(list, pattern, ':');)
            if (fnmatch(pattern.c_str(), test.c_str(), 0) == 0)
                return true;
        return false;
    };
    const std::size_t dash = filter.find('-');
    const std::string wanted = filter.substr(0, dash);
    return matches(wanted.empty() ? "*" : wanted) && (dash == std::string::npos || !matches(filter.substr(dash + 1)));
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    testing::InitGoogleTest(&argc, argv);
    std::vector<std::string> selected;
    const testing::UnitTest& tests = *testing::UnitTest::GetInstance();
    for (int suite = 0; suite < tests.total_test_suite_count(); ++suite)
        for (int test = 0; test < tests.GetTestSuite(suite)->total_test_count(); ++test) {
            const testing::TestInfo& info = *tests.GetTestSuite(suite)->GetTestInfo(test);
            const std::string name = std::string(info.test_suite_name()) + "." + info.name();
            if (selects(GTEST_FLAG_GET(filter), name))
                selected.push_back(name);
        }
    if (selected.size() < 2 || GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    int failed = 0;
    for (const std::string& name : selected) {
        std::vector<char*> child;
        for (std::string& argument : arguments)
            if (argument.rfind("--gtest_filter", 0) != 0)
                child.push_back(argument.data());
        std::string filter = "--gtest_filter=" + name;
        child.push_back(filter.data());
        child.push_back(nullptr);
        const pid_t process = fork();
        if (process == 0) {
            execv("/proc/self/exe", child.data());
            _exit(127);
        }
        int status = 0;
        waitpid(process, &status, 0);
        failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    std::printf("%zu passed, %d failed\n", selected.size() - failed, failed);
    return failed ? 1 : 0;
}
