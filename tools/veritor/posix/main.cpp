#include "tools/veritor/Interactive.h"
#include "tools/veritor/Tool.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // A parsed document is millions of small blocks, freed together at the
    // end of the query. Kept out of glibc's fast bins they coalesce as they
    // are freed, instead of in long consolidation passes that every larger
    // request after them triggers.
    mallopt(M_MXFAST, 0);
#endif
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
