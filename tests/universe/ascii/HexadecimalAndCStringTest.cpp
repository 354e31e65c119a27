#include "tests/support/ReportedAssertions.h"
#include "universe/ascii/CStringComparison.h"
#include "universe/ascii/Hexadecimal.h"

#include <gtest/gtest.h>

namespace {

// The digits themselves are pinned by the hex encoder's test.
TEST(Hexadecimal, DigitsAndValuesRoundTrip) {
    for (uint32 n = 0; n < 16; ++n) {
        EXPECT_EQ(Ascii::HexValue(Ascii::HexDigit(n)), n);
    }
    EXPECT_EQ(Ascii::HexValue('F'), 15u);
    ReportedAssertions reported;
    (void)Ascii::HexDigit(16);
    (void)Ascii::HexValue('/');
    EXPECT_EQ(reported.Conditions(), (std::vector<std::string>{"n < 16", "x >= 0"}));
}

TEST(CStringComparison, WithAStringAndWithAView) {
    const std::tuple<const char*, std::string, int, int> cases[] = {
        // a, b, compared with b as a string, compared with b as a view
        {"abc", "abc", 0, 0}, {"abc", "ab", 'c', 'c'}, {"ab", "abc", -'c', -1},
        {"abd", "abc", 1, 1}, {"", "x", -'x', -1},     {"\xff", "a", 0xff - 'a', 0xff - 'a'},
    };
    for (const auto& [a, b, withString, withView] : cases) {
        EXPECT_EQ(Ascii::Compare(a, ConstCString(b.c_str())), withString) << a << " / " << b;
        EXPECT_EQ(Ascii::Compare(a, ConstData(b)), withView) << a << " / " << b;
        EXPECT_EQ(Ascii::AtMost(a, ConstData(b)), withView <= 0);
        EXPECT_EQ(Ascii::AtLeast(a, ConstData(b)), withView >= 0);
    }
}

TEST(ConstCString, ViewEndsAtTheFirstZeroAndNullIsReported) {
    const char text[] = "abc\0def";
    EXPECT_EQ(ConstCString(text).Bytes(), ConstData(text, 3));
    ReportedAssertions reported;
    EXPECT_TRUE(ConstCString(nullptr).Bytes().IsEmpty());
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"theText != 0"});
}

} // namespace
