#include "universe/integers/Numeral.h"

#include "tests/universe/exceptions/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

template <typename T>
std::string Digits(T value, uint32 base = 10, uint32 minDigits = 0) {
    Numeral numeral(value, base);
    numeral.SetMinimumDigits(minDigits);
    return numeral.Text().AsString();
}

TEST(Numeral, RendersValuesOfEveryWidthAndSign) {
    EXPECT_EQ(Digits(0), "0");
    EXPECT_EQ(Digits(255, 16), "ff");
    EXPECT_EQ(Digits(int32{-1}), "-1");
    EXPECT_EQ(Digits(minint64), "-9223372036854775808");
    EXPECT_EQ(Digits(maxint64), "9223372036854775807");
    EXPECT_EQ(Digits(maxuint64, 2), std::string(64, '1'));
    EXPECT_EQ(Digits(minint32), "-2147483648");
    EXPECT_EQ(Digits(maxuint32, 16), "ffffffff");
    EXPECT_EQ(Digits(int8{-128}), "-128");
    EXPECT_EQ(Digits(int16{-32768}, 16), "-8000");
    EXPECT_EQ(Digits(uint8{200}), "200");
    EXPECT_EQ(Digits(uint64{35}, 36), "z");
    EXPECT_EQ(Digits(uint32{36}, 36), "10");
    EXPECT_EQ(Digits(int64{-255}, 2), "-11111111");
}

TEST(Numeral, MinimumDigitsPadsBetweenSignAndDigits) {
    EXPECT_EQ(Digits(0xABC, 16, 8), "00000abc");
    EXPECT_EQ(Digits(-42, 10, 5), "-00042");
    EXPECT_EQ(Digits(12345, 10, 3), "12345");
    EXPECT_EQ(Digits(0, 10, 64), std::string(64, '0'));

    ReportedAssertions reported;
    EXPECT_EQ(Digits(7, 10, 65), std::string(63, '0') + "7");
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"minDigits <= maxLength - 2"});
}

TEST(Numeral, LengthPrefixedTextStartsWithItsLength) {
    Numeral numeral(-1234);
    const uint8* text = numeral.LengthPrefixed();
    ASSERT_EQ(text[0], 5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text + 1), 5), "-1234");

    Numeral widest(minint64, 2);
    EXPECT_EQ(widest.LengthPrefixed()[0], 65);
}

TEST(Numeral, BaseOutsideTheRangeIsReportedAndKeptInRange) {
    struct Case {
        uint32 base;
        const char* condition;
        const char* digits;
    };
    const Case cases[] = {
        {0, "base > 1", "1010"}, {1, "base > 1", "1010"}, {37, "base <= 36", "a"}};
    for (const Case& c : cases) {
        ReportedAssertions reported;
        EXPECT_EQ(Digits(10, c.base), c.digits) << c.base;
        EXPECT_EQ(reported.Conditions(), std::vector<std::string>{c.condition}) << c.base;
    }
}

} // namespace
