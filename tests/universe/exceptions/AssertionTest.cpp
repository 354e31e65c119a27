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

TEST(Assertion, PathsAreCutAfterTheLastSlashOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"Shared/Portable/Universe/Basics/Buffers/ConstData", "ConstData"},
        {"Shared\\Portable\\ConstData.cpp", "Shared\\Portable\\ConstData.cpp"},
        {"dir/", ""},
    };
    for (const auto& [path, file] : cases) {
        ReportedAssertions reported;
        Assertion::Check(false, "c", path, 47);
        EXPECT_EQ(reported.Output(),
                  std::string("Assertion failure at line 47 of ") + file + ": c\n");
    }
}

TEST(Assertion, MessageIsCutAt255Characters) {
    ReportedAssertions reported;
    Assertion::Check(false, std::string(400, 'x').c_str(), "f", 7);
    const std::string prefix = "Assertion failure at line 7 of f: ";
    EXPECT_EQ(reported.Output(), prefix + std::string(255 - prefix.size(), 'x') + "\n");
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
