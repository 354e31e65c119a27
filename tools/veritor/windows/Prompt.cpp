// The prompt on Windows reads lines from the console, which edits them
// itself. They are read as UTF-16, whatever the console's code page, and
// handed on as UTF-8; values are shown in UTF-8 as well.
#include "host/windows/WideText.h"
#include "tools/veritor/Interactive.h"

#include <atomic>
#include <iostream>
#include <windows.h>

namespace veritor::tool {

namespace {

std::atomic<bool> reading = false;

// Ctrl-C while a line is read gives that line up; at any other time it ends
// the tool, as it ends any command.
BOOL WINAPI OnControl(DWORD event) {
    return event == CTRL_C_EVENT && reading ? TRUE : FALSE;
}

enum class Line { Read, Cancelled, End };

Line ReadLine(std::string& line) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring text;
    reading = true;
    Line outcome = Line::Read;
    while (text.empty() || text.back() != L'\n') {
        wchar_t buffer[1024];
        DWORD got = 0;
        const BOOL ok = ReadConsoleW(input, buffer, 1024, &got, nullptr);
        if (ok && got == 0 && GetLastError() == ERROR_OPERATION_ABORTED) {
            outcome = Line::Cancelled;
            break;
        }
        if (!ok || got == 0) {
            outcome = Line::End;
            break;
        }
        text.append(buffer, got);
    }
    reading = false;
    // Ctrl-Z at the start of a line ends the input, as it does for the
    // console's own programs.
    if (outcome == Line::Read && text.starts_with(L"\x1A")) {
        outcome = Line::End;
    }
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) {
        text.pop_back();
    }
    line = host::Utf8FromWide(text);
    return outcome;
}

} // namespace

void RunPrompt(const std::function<void(const std::string&)>& evaluate) {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCtrlHandler(OnControl, TRUE);
    std::string query;
    for (;;) {
        std::cout << "veritor> " << std::flush;
        const Line outcome = ReadLine(query);
        if (outcome == Line::End) {
            break;
        }
        if (outcome == Line::Cancelled) {
            std::cout << '\n';
            continue;
        }
        if (query.find_first_not_of(" \t") != std::string::npos) {
            evaluate(query);
        }
    }
    SetConsoleCtrlHandler(OnControl, FALSE);
    std::cout << '\n';
}

} // namespace veritor::tool
