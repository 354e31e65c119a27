#include "universe/integers/Numeral.h"

#include "tests/support/ReportedAssertions.h"

#include <gtest/gtest.h>

namespace {

template <typename T>
std::string Digits(T value, uint32 base = 10, uint32 minDigits = 0) {
    Numeral numeral(value, base);
    numeral.SetMinimumDigits(minDigits);
    return numeral.Text().AsString();
}

// The last four are reported misuse: bases and widths are kept in range.
TEST(Numeral, RendersExtremesOfEveryWidthAndPadsBetweenSignAndDigits) {
    ReportedAssertions reported;
    const std::pair<std::string, std::string> cases[] = {
        {Digits(0), "0"},
        {Digits(255, 16), "ff"},
        {Digits(int32{-1}), "-1"},
        {Digits(minint64), "-9223372036854775808"},
        {Digits(maxuint64, 2), std::string(64, '1')},
        {Digits(minint32), "-2147483648"},
        {Digits(int8{-128}), "-128"},
        {Digits(uint32{71}, 36), "1z"},
        {Digits(0xABC, 16, 8), "00000abc"},
        {Digits(-42, 10, 5), "-00042"},
        {Digits(12345, 10, 3), "12345"},
        {Digits(10, 0), "1010"},
        {Digits(10, 1), "1010"},
        {Digits(10, 37), "a"},
        {Digits(7, 10, 65), std::string(63, '0') + "7"}};
    for (const auto& [rendered, expected] : cases) {
        EXPECT_EQ(rendered, expected);
    }
    EXPECT_EQ(reported.Conditions().size(), 4u) << reported.Output();
    EXPECT_TRUE(reported.Include("minDigits <= maxLength - 2"));

    // The length-prefixed text starts with its length: 'A' is 65, a sign and
    // 64 digits.
    Numeral widest(minint64, 2);
    widest.SetMinimumDigits(64);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(widest.LengthPrefixed()), 2), "A-");
}

} // namespace
