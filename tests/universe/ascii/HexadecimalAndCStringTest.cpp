#include "tests/universe/exceptions/ReportedAssertions.h"
#include "universe/ascii/CStringComparison.h"
#include "universe/ascii/Hexadecimal.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(Hexadecimal, DigitsAndValuesRoundTrip) {
    const std::string digits = "0123456789abcdef";
    for (uint32 n = 0; n < 16; ++n) {
        EXPECT_EQ(Ascii::HexDigit(n), digits[n]) << n;
        EXPECT_EQ(Ascii::HexValue(static_cast<uint8>(digits[n])), n) << n;
    }
    EXPECT_EQ(Ascii::HexValue('A'), 10u);
    EXPECT_EQ(Ascii::HexValue('F'), 15u);
}

TEST(Hexadecimal, OutOfRangeDigitIsReported) {
    ReportedAssertions reported;
    (void)Ascii::HexDigit(16);
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"n < 16"});
}

TEST(Hexadecimal, ValueBelowZeroIsReported) {
    ReportedAssertions reported;
    (void)Ascii::HexValue('/');
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"x >= 0"});
}

TEST(CStringComparison, TwoZeroTerminatedStrings) {
    struct Case {
        const char* a;
        const char* b;
        int result;
    };
    const Case cases[] = {
        {"abc", "abc", 0}, {"ab", "abc", -'c'}, {"abc", "ab", 'c'},
        {"abd", "abc", 1}, {"", "", 0},         {"\xff", "a", 0xff - 'a'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Ascii::Compare(ConstCString(c.a), ConstCString(c.b)), c.result)
            << c.a << " / " << c.b;
        EXPECT_EQ(Ascii::AtMost(c.a, ConstCString(c.b)), c.result <= 0);
        EXPECT_EQ(Ascii::AtLeast(c.a, ConstCString(c.b)), c.result >= 0);
    }
    const char* same = "x";
    EXPECT_EQ(Ascii::Compare(ConstCString(same), ConstCString(same)), 0);
}

TEST(CStringComparison, ZeroTerminatedStringWithAView) {
    struct Case {
        const char* a;
        std::string b;
        int result;
    };
    const Case cases[] = {
        {"abc", "abc", 0},  // both end together
        {"abc", "ab", 'c'}, // the view ends first
        {"ab", "abc", -1},  // the string ends first
        {"abd", "abc", 1},  // a differing byte
        {"", "", 0},
        {"", "x", -1},
        {"a", std::string("a\0", 2), -1}, // a zero byte in the view is an ordinary byte
    };
    for (const Case& c : cases) {
        const ConstData b(c.b);
        EXPECT_EQ(Ascii::Compare(ConstCString(c.a), b), c.result) << c.a << " / " << c.b;
        EXPECT_EQ(Ascii::AtMost(c.a, b), c.result <= 0);
        EXPECT_EQ(Ascii::AtLeast(c.a, b), c.result >= 0);
    }
}

} // namespace
