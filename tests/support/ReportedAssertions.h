// Captures what the process writes to standard error while in scope. The
// debugger output goes there, from this process's foundation and from the
// private copy a loaded inspector library keeps, so a test sees every failed
// check's report, and, without a debugger attached, also what follows it.
// The captured text is passed on to standard error at the end of the scope.
#pragma once

#include <string>
#include <vector>

class ReportedAssertions {
public:
    ReportedAssertions();
    ~ReportedAssertions();

    ReportedAssertions(const ReportedAssertions&) = delete;
    ReportedAssertions& operator=(const ReportedAssertions&) = delete;

    // Everything written since construction.
    std::string Output() const;

    // Whether a failed check with exactly this condition text was reported.
    bool Include(const std::string& condition) const;

    // The condition texts of the reported failures, in order.
    std::vector<std::string> Conditions() const;

private:
    int savedDescriptor;
    int captureDescriptor;
};
