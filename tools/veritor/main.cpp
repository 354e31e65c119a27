#include "tools/veritor/Interactive.h"
#include "tools/veritor/Tool.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    veritor::tool::Environment environment;
    environment.in = &std::cin;
    environment.out = &std::cout;
    environment.err = &std::cerr;
    environment.terminal = isatty(STDIN_FILENO) != 0;
    environment.toolDirectory = error ? std::string() : executable.parent_path().string();
    environment.prompt = veritor::tool::RunPrompt;
    return veritor::tool::RunTool(arguments, environment);
}
