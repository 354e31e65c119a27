#include "universe/exceptions/Assertion.h"

#include "tests/support/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <vector>

namespace {

TEST(Assertion, FailureReportsLineFileNameAndConditionThenCarriesOn) {
    ReportedAssertions reported;
    const int theStart = 2, theEnd = 1;
    ASSERT(theStart > theEnd);
    const unsigned line = __LINE__ + 1;
    ASSERT(theEnd >= theStart);
    EXPECT_EQ(reported.Output(), "Assertion failure at line " + std::to_string(line) +
                                     " of AssertionTest.cpp: theEnd >= theStart\n");
}

// Paths are cut after the last slash only; the whole line at 255 characters.
TEST(Assertion, PathsAreCutAfterTheLastSlashAndMessagesAt255Characters) {
    const std::string at = "Assertion failure at line 47 of ", x(400, 'x');
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"Shared/Portable/Universe/Buffers/ConstData", "c", at + "ConstData: c\n"},
        {"Shared\\Portable\\ConstData.cpp", "c", at + "Shared\\Portable\\ConstData.cpp: c\n"},
        {"dir/", "c", at + ": c\n"},
        {"f", x.c_str(), at + "f: " + x.substr(0, 255 - at.size() - 3) + "\n"}};
    for (const auto& [path, condition, line] : cases) {
        ReportedAssertions reported;
        Assertion::Check(false, condition, path, 47);
        EXPECT_EQ(reported.Output(), line);
    }
}

// Checks failing on several threads at once may mix their texts, but each
// report stays one line within the buffer (and ThreadSanitizer sees no race).
TEST(Assertion, ConcurrentFailuresEachReportOneLineWithinTheBuffer) {
    constexpr int threads = 4, failures = 25;
    ReportedAssertions reported;
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([t] {
                const std::string condition(300, static_cast<char>('a' + t));
                for (int i = 0; i < failures; ++i) {
                    Assertion::Check(false, condition.c_str(), "f", 7);
                }
            });
        }
    }
    std::istringstream lines(reported.Output());
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        EXPECT_LE(line.size(), 255u);
    }
    EXPECT_EQ(count, threads * failures);
}

} // namespace
