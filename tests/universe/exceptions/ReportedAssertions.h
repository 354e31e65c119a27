// Captures the debugger output while in scope. Without a debugger attached a
// failed check does not stop the process, so a test sees both the report and
// what follows it.
#pragma once

#include <regex>
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

    // Whether a failed check with exactly this condition text was reported.
    bool Include(const std::string& condition) const {
        return output.find(": " + condition + "\n") != std::string::npos;
    }

    // The condition texts of the reported failures, in order.
    std::vector<std::string> Conditions() const {
        static const std::regex report("Assertion failure at line \\d+ of [^:]*: (.*)\n");
        std::vector<std::string> found;
        for (std::sregex_iterator i(output.begin(), output.end(), report), end; i != end; ++i) {
            found.push_back((*i)[1]);
        }
        return found;
    }

private:
    std::string output;
};
