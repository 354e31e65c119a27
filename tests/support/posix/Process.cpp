#include "tests/support/Process.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream file(path);
    std::string text(std::istreambuf_iterator<char>(file), {});
    std::remove(path.c_str());
    return text;
}

// A word the shell reads back as `text`.
std::string ShellWord(const std::string& text) {
    std::string word = "'";
    for (char c : text) {
        word.append(c == '\'' ? "'\\''" : std::string(1, c));
    }
    return word + "'";
}

} // namespace

std::string TemporaryFile(const std::string& stem) {
    static std::atomic<int> files{0};
    return testing::TempDir() + stem + "-" + std::to_string(getpid()) + "-" +
           std::to_string(files++);
}

std::string TargetCommand(const std::string& path) {
    const std::string emulator = VERITOR_TARGET_EMULATOR;
    return emulator.empty() ? ShellWord(path) : ShellWord(emulator) + " " + ShellWord(path);
}

ProcessOutcome RunProcess(const std::string& commandLine) {
    const std::string stem = TemporaryFile("veritor-run");
    const std::string redirections = ") >" + stem + ".out 2>" + stem + ".err </dev/null";
    const int status = std::system(("(" + commandLine + redirections).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(stem + ".out"),
            Slurp(stem + ".err")};
}

ProcessOutcome RunVeritor(const std::vector<std::string>& arguments, const std::string& input) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    const std::string bound = "";
#else
    // qemu reserves the whole address space of its 32-bit target up front,
    // which a limit on its own would forbid; the reservation is the bound.
    const std::string bound = std::string_view(VERITOR_TARGET_EMULATOR).empty()
                                  ? "ulimit -v 1048576 && "
                                  : "export QEMU_RESERVED_VA=1G && ";
#endif
    std::string commandLine = bound + "exec " + TargetCommand(VERITOR_TOOL);
    // Appended piece by piece: GCC 12 takes `" " + std::string&&` for an
    // overlapping copy and fails the release build with -Wrestrict.
    for (const std::string& argument : arguments) {
        commandLine.append(" ").append(ShellWord(argument));
    }
    if (!input.empty()) {
        commandLine.append(" <").append(ShellWord(input));
    }
    return RunProcess(commandLine);
}
