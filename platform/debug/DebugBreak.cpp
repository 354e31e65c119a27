// The breakpoint: a trap for an attached debugger, nothing otherwise, so that
// a process running on its own carries on after a reported failure. A process
// started with VERITOR_BREAK_ABORTS set (a fuzzer, a corpus replay) ends
// instead, as a Windows process does when nothing handles the breakpoint:
// there every failed check is a finding.
#include "win/debug.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>

BOOL WINAPI IsDebuggerPresent() {
    // Linux names the tracing process, if any, in the process status.
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = "TracerPid:";
    while (std::getline(status, line)) {
        if (line.compare(0, key.size(), key) == 0) {
            return std::strtol(line.c_str() + key.size(), nullptr, 10) != 0 ? TRUE : FALSE;
        }
    }
    return FALSE;
}

void WINAPI DebugBreak() {
    if (IsDebuggerPresent()) {
        std::raise(SIGTRAP);
    } else if (std::getenv("VERITOR_BREAK_ABORTS") != nullptr) {
        std::abort();
    }
}
