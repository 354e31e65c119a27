// Internal consistency checks. A failed check is a programming fault, not an
// input error: it is reported to the debugger output with the literal text of
// the condition, the source file and the line, the debugger is given a chance
// to stop, and execution then carries on as if the condition had held. Sites
// that must not carry on throw right after a check on "0" or "false".
#pragma once

namespace Assertion {

// Out of line so that the passing path stays a single test and branch.
[[gnu::cold]] [[gnu::noinline]] void ReportFailure(const char* conditionText, const char* file,
                                                   unsigned line);

inline void Check(bool holds, const char* conditionText, const char* file, unsigned line) {
    if (!holds) [[unlikely]] {
        ReportFailure(conditionText, file, line);
    }
}

} // namespace Assertion

#define ASSERT(condition)                                                                          \
    ::Assertion::Check(static_cast<bool>(condition), #condition, __FILE__, __LINE__)

// For checks whose C++ spelling has to differ from the text they report (a
// wider type to stay clear of overflow, an offset where the text names a
// pointer): the condition is evaluated, the given text is what a failure says.
#define ASSERT_REPORTING(condition, text)                                                          \
    ::Assertion::Check(static_cast<bool>(condition), text, __FILE__, __LINE__)
