#include "universe/exceptions/Assertion.h"

#include "tests/support/ReportedAssertions.h"

#include <gtest/gtest.h>

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

} // namespace
