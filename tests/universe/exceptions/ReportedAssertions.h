// Captures the debugger output while in scope, so tests can see which checks
// failed. Assertion failures do not stop the process when no debugger is
// attached, so a test can observe both the report and what follows it.
#pragma once

#include <sstream>
#include <string>
#include <vector>
#include <windows.h>

class ReportedAssertions {
public:
    ReportedAssertions() { SetDebugOutputCapture(&output); }
    ~ReportedAssertions() { SetDebugOutputCapture(nullptr); }
    ReportedAssertions(const ReportedAssertions&) = delete;
    ReportedAssertions& operator=(const ReportedAssertions&) = delete;

    const std::string& Output() const { return output; }

    // The condition texts of the reported failures, in order.
    std::vector<std::string> Conditions() const {
        std::vector<std::string> conditions;
        std::istringstream lines(output);
        std::string line;
        while (std::getline(lines, line)) {
            const auto separator = line.find(": ");
            if (line.rfind("Assertion failure at line ", 0) == 0 &&
                separator != std::string::npos) {
                conditions.push_back(line.substr(separator + 2));
            }
        }
        return conditions;
    }

    bool None() const { return output.empty(); }

private:
    std::string output;
};
