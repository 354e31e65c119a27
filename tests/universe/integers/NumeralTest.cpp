#include "universe/integers/Numeral.h"

#include "tests/universe/exceptions/ReportedAssertions.h"

#include <gtest/gtest.h>

namespace {

template <typename T>
std::string Digits(T value, uint32 base = 10, uint32 minDigits = 0) {
    Numeral numeral(value, base);
    numeral.SetMinimumDigits(minDigits);
    return numeral.Text().AsString();
}

TEST(Numeral, RendersTheExtremesOfEveryWidth) {
    EXPECT_EQ(Digits(0), "0");
    EXPECT_EQ(Digits(255, 16), "ff");
    EXPECT_EQ(Digits(int32{-1}), "-1");
    EXPECT_EQ(Digits(minint64), "-9223372036854775808");
    EXPECT_EQ(Digits(maxuint64, 2), std::string(64, '1'));
    EXPECT_EQ(Digits(minint32), "-2147483648");
    EXPECT_EQ(Digits(int8{-128}), "-128");
    EXPECT_EQ(Digits(int16{-32768}, 16), "-8000");
    EXPECT_EQ(Digits(uint32{71}, 36), "1z");
}

TEST(Numeral, MinimumDigitsPadsBetweenSignAndDigits) {
    EXPECT_EQ(Digits(0xABC, 16, 8), "00000abc");
    EXPECT_EQ(Digits(-42, 10, 5), "-00042");
    EXPECT_EQ(Digits(12345, 10, 3), "12345");
    ReportedAssertions reported;
    EXPECT_EQ(Digits(7, 10, 65), std::string(63, '0') + "7");
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"minDigits <= maxLength - 2"});
}

TEST(Numeral, LengthPrefixedTextStartsWithItsLength) {
    Numeral widest(minint64, 2);
    widest.SetMinimumDigits(64);
    const uint8* text = widest.LengthPrefixed();
    EXPECT_EQ(text[0], 65);
    EXPECT_EQ(text[1], '-');
}

TEST(Numeral, BaseOutsideTheRangeIsReportedAndKeptInRange) {
    const std::tuple<uint32, const char*, const char*> cases[] = {
        {0, "base > 1", "1010"}, {1, "base > 1", "1010"}, {37, "base <= 36", "a"}};
    for (const auto& [base, condition, digits] : cases) {
        ReportedAssertions reported;
        EXPECT_EQ(Digits(10, base), digits);
        EXPECT_EQ(reported.Conditions(), std::vector<std::string>{condition});
    }
}

} // namespace
