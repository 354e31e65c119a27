#include "universe/exceptions/Assertion.h"

#include "tests/universe/exceptions/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(Assertion, HoldingConditionReportsNothing) {
    ReportedAssertions reported;
    ASSERT(1 + 1 == 2);
    EXPECT_TRUE(reported.None());
}

TEST(Assertion, FailureReportsLineFileNameAndConditionTextThenCarriesOn) {
    ReportedAssertions reported;
    const int theStart = 2;
    const int theEnd = 1;
    bool carriedOn = false;
    const unsigned line = __LINE__ + 1;
    ASSERT(theEnd >= theStart);
    carriedOn = true;

    EXPECT_TRUE(carriedOn);
    EXPECT_EQ(reported.Output(), "Assertion failure at line " + std::to_string(line) +
                                     " of AssertionTest.cpp: theEnd >= theStart\n");
}

TEST(Assertion, ReportsOnlyTheFileNameAfterTheLastSlash) {
    struct Case {
        const char* path;
        unsigned line;
        const char* expected;
    };
    const Case cases[] = {
        {"Shared/Portable/Universe/Basics/Buffers/ConstData", 47,
         "Assertion failure at line 47 of ConstData: theEnd >= theStart\n"},
        {"ConstData.cpp", 1, "Assertion failure at line 1 of ConstData.cpp: theEnd >= theStart\n"},
        {"Shared\\Portable\\ConstData.cpp", 0,
         "Assertion failure at line 0 of Shared\\Portable\\ConstData.cpp: theEnd >= theStart\n"},
        {"dir/", 4294967295u, "Assertion failure at line 4294967295 of : theEnd >= theStart\n"},
    };
    for (const Case& c : cases) {
        ReportedAssertions reported;
        Assertion::Check(false, "theEnd >= theStart", c.path, c.line);
        EXPECT_EQ(reported.Output(), c.expected) << c.path;
    }
}

TEST(Assertion, MessageIsCutAt255Characters) {
    ReportedAssertions reported;
    const std::string condition(400, 'x');
    Assertion::Check(false, condition.c_str(), "f", 7);
    const std::string prefix = "Assertion failure at line 7 of f: ";
    const std::string expected = prefix + std::string(255 - prefix.size(), 'x') + "\n";
    EXPECT_EQ(reported.Output(), expected);
}

TEST(Assertion, EachFailureStartsAFreshMessage) {
    ReportedAssertions reported;
    Assertion::Check(false, "first", "a", 1);
    Assertion::Check(false, "second", "b", 2);
    EXPECT_EQ(
        reported.Output(),
        "Assertion failure at line 1 of a: first\nAssertion failure at line 2 of b: second\n");
}

} // namespace
