// Captures what failed checks report while in scope, from this process's
// foundation and from the private copy a loaded inspector library keeps, so
// a test sees every failed check's report, and, without a debugger attached,
// also what follows it. On POSIX systems the debugger output is standard
// error, which is captured; on Windows it is the debugger's, which a handler
// of the process's exceptions reads (and lets the breakpoint go by). The
// captured text is passed on to standard error at the end of the scope.
#pragma once

#include <memory>
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
    struct Capture;
    std::unique_ptr<Capture> capture;
};
