// Collects the assertion reports written to the debugger output while it
// exists, so that tests can tell which consistency checks failed.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

class ReportedAssertions {
public:
    ReportedAssertions() { SetDebugOutputCapture(&text); }
    ~ReportedAssertions() { SetDebugOutputCapture(nullptr); }
    ReportedAssertions(const ReportedAssertions&) = delete;
    ReportedAssertions& operator=(const ReportedAssertions&) = delete;

    bool None() const { return text.empty(); }

    // Whether a failed check with exactly this condition text was reported.
    bool Include(std::string_view condition) const {
        return text.find(": " + std::string(condition) + "\n") != std::string::npos;
    }

    const std::string& Text() const { return text; }

private:
    std::string text;
};
