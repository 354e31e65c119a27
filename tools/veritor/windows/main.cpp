// The tool's entry point on Windows. Arguments arrive as UTF-16 and are
// handed on as UTF-8, the encoding the tool works in everywhere; the
// process's ANSI code page is UTF-8 as well (see veritor.manifest), so that
// the inspector library's code-page conversions agree. Standard streams are
// binary: the output is the same bytes as on other systems.
#include "host/windows/WideText.h"
#include "tools/veritor/Interactive.h"
#include "tools/veritor/Tool.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <iostream>
// clang-format off
// shellapi.h needs windows.h first.
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace {

std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> converted;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        converted.push_back(veritor::host::Utf8FromWide(arguments[i]));
    }
    LocalFree(arguments);
    return converted;
}

} // namespace

int main() {
    for (std::FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    const std::filesystem::path executable(
        veritor::host::WideFromUtf8(veritor::host::ModuleFileName(nullptr)));
    veritor::tool::Environment environment;
    environment.in = &std::cin;
    environment.out = &std::cout;
    environment.err = &std::cerr;
    // A console, not merely a character device: the C run time's _isatty
    // also says yes for NUL.
    DWORD consoleMode = 0;
    environment.terminal = GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &consoleMode) != 0;
    environment.toolDirectory =
        executable.empty() ? std::string() : veritor::host::Utf8FromWide(executable.parent_path().native());
    environment.prompt = veritor::tool::RunPrompt;
    return veritor::tool::RunTool(Arguments(), environment);
}
