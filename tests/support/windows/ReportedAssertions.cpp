// The debugger output and breakpoints of a process with no debugger, seen
// through a handler of the process's exceptions: OutputDebugStringA raises
// DBG_PRINTEXCEPTION_C with the text, which the handler keeps (or copies to
// standard error when no capture is in scope), and DebugBreak raises
// EXCEPTION_BREAKPOINT, which the handler steps over so that the process
// carries on, as it does on other systems.
#include "tests/support/ReportedAssertions.h"

#include <cstdio>
#include <mutex>
#include <windows.h>

namespace {

std::mutex capturing;
std::string* active = nullptr;

void Keep(const char* text, std::size_t length) {
    std::lock_guard lock(capturing);
    if (active != nullptr) {
        active->append(text, length);
    } else {
        std::fwrite(text, 1, length, stderr);
    }
}

// The address of the instruction that raised the exception, in the context
// that will resume.
#if defined(_M_X64) || defined(__x86_64__)
DWORD64& InstructionPointer(CONTEXT& context) {
    return context.Rip;
}
#else
DWORD& InstructionPointer(CONTEXT& context) {
    return context.Eip;
}
#endif

LONG CALLBACK SeeDebuggerTraffic(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2) {
        // The length counts the terminating zero.
        const auto length = static_cast<std::size_t>(record.ExceptionInformation[0]);
        const auto* text = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
        if (text != nullptr && length > 0) {
            Keep(text, length - 1);
        }
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    if (record.ExceptionCode == EXCEPTION_BREAKPOINT) {
        // The context points at the one-byte trap instruction.
        auto& at = InstructionPointer(*exception->ContextRecord);
        if (*reinterpret_cast<const unsigned char*>(at) == 0xCC) {
            at += 1;
        }
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// Installed once, before the tests run, in every test program that links this.
const PVOID installed = AddVectoredExceptionHandler(1, SeeDebuggerTraffic);

} // namespace

struct ReportedAssertions::Capture {
    std::string text;
};

ReportedAssertions::ReportedAssertions()
    : capture(std::make_unique<Capture>()) {
    std::lock_guard lock(capturing);
    active = &capture->text;
}

ReportedAssertions::~ReportedAssertions() {
    {
        std::lock_guard lock(capturing);
        active = nullptr;
    }
    std::fwrite(capture->text.data(), 1, capture->text.size(), stderr);
}

std::string ReportedAssertions::Output() const {
    std::lock_guard lock(capturing);
    return capture->text;
}
