#include "tests/support/Process.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Slurp(const std::string& path) {
    std::string text;
    {
        std::ifstream file(path);
        text.assign(std::istreambuf_iterator<char>(file), {});
    }
    std::remove(path.c_str());
    return text;
}

} // namespace

ProcessOutcome RunProcess(const std::string& commandLine) {
    // Tests may run in parallel processes and threads: each run gets files of
    // its own.
    static std::atomic<int> runs{0};
    const std::string stem = testing::TempDir() + "veritor-run-" + std::to_string(getpid()) + "-" +
                             std::to_string(runs++);
    const std::string out = stem + ".out";
    const std::string err = stem + ".err";
    const int status =
        std::system(("(" + commandLine + ") >" + out + " 2>" + err + " </dev/null").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
}

ProcessOutcome RunVeritor(const std::string& arguments) {
    return RunProcess(std::string(VERITOR_TOOL) + " " + arguments);
}

ProcessOutcome RunVeritorWithin(unsigned long kibibytes, const std::string& arguments) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    static_cast<void>(kibibytes);
    return RunVeritor(arguments);
#else
    return RunProcess("ulimit -v " + std::to_string(kibibytes) + " && exec " + VERITOR_TOOL + " " +
                      arguments);
#endif
}
