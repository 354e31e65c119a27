// The tool's entry point on Windows. Arguments arrive as UTF-16 and are
// handed on as UTF-8, the encoding the tool works in everywhere; the
// process's ANSI code page is UTF-8 as well (see veritor.manifest), so that
// the inspector library's code-page conversions agree. Standard streams are
// binary: the output is the same bytes as on other systems.
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

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string converted(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, converted.data(), size, nullptr, nullptr);
    converted.pop_back(); // the terminator
    return converted;
}

std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> converted;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        converted.push_back(Utf8(arguments[i]));
    }
    LocalFree(arguments);
    return converted;
}

std::filesystem::path Executable() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

int main() {
    for (std::FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    const std::filesystem::path executable = Executable();
    veritor::tool::Environment environment;
    environment.in = &std::cin;
    environment.out = &std::cout;
    environment.err = &std::cerr;
    // A console, not merely a character device: the C run time's _isatty
    // also says yes for NUL.
    DWORD consoleMode = 0;
    environment.terminal = GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &consoleMode) != 0;
    environment.toolDirectory =
        executable.empty() ? std::string() : Utf8(executable.parent_path().c_str());
    environment.prompt = veritor::tool::RunPrompt;
    return veritor::tool::RunTool(Arguments(), environment);
}
