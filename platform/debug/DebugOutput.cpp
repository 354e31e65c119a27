// The debugger output channel: standard error stands in for the debugger's
// output window, and tests may capture what is written.
#include "win/debug.h"

#include <cstdio>
#include <cstring>

namespace {
std::string* capture = nullptr;
} // namespace

void SetDebugOutputCapture(std::string* sink) {
    capture = sink;
}

void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
    if (lpOutputString == nullptr) {
        return;
    }
    std::fputs(lpOutputString, stderr);
    std::fflush(stderr);
    if (capture != nullptr) {
        capture->append(lpOutputString);
    }
}
