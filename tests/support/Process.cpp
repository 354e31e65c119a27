#include "tests/support/Process.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream file(path);
    std::string text(std::istreambuf_iterator<char>(file), {});
    std::remove(path.c_str());
    return text;
}

} // namespace

ProcessOutcome RunProcess(const std::string& commandLine) {
    // Tests may run in parallel processes and threads: each run gets files of
    // its own.
    static std::atomic<int> runs{0};
    std::string stem = testing::TempDir() + "veritor-run-";
    stem += std::to_string(getpid()) + "-" + std::to_string(runs++);
    const std::string redirections = ") >" + stem + ".out 2>" + stem + ".err </dev/null";
    const int status = std::system(("(" + commandLine + redirections).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(stem + ".out"),
            Slurp(stem + ".err")};
}

ProcessOutcome RunVeritor(const std::string& arguments) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    const std::string bound = "";
#else
    const std::string bound = "ulimit -v 1048576 && ";
#endif
    return RunProcess(bound + "exec " + VERITOR_TOOL + " " + arguments);
}
