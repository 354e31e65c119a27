// Numbers and dates as XSL pattern comparisons read them from text, and
// numbers as they write them.
#include "platform/xml/xslpattern/IsoDate.h"
#include "platform/xml/xslpattern/Numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace XslPattern {
namespace {

// Only XPath numerals are numbers; integers are written without a fraction.
TEST(Numbers, ParseAndFormatAsXPathDoes) {
    const std::pair<const char*, double> cases[] = {{"0", 0},      {"12", 12}, {" -3.5 ", -3.5},
                                                    {".25", 0.25}, {"7.", 7},  {"007", 7}};
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(ParseNumber(text), value) << text;
    }
    for (const char* text :
         {"", " ", "-", ".", "1e3", "+1", "0x10", "1.2.3", "inf", "NaN", "1 2", "--1", "1-"}) {
        EXPECT_TRUE(std::isnan(ParseNumber(text))) << text;
    }
    EXPECT_EQ(FormatNumber(12), "12");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(0.5), "0.5");
    EXPECT_EQ(FormatNumber(-2.25), "-2.25");
    EXPECT_EQ(FormatNumber(1e21), "1000000000000000000000");
    EXPECT_EQ(FormatNumber(std::nan("")), "NaN");
    EXPECT_EQ(FormatNumber(-INFINITY), "-Infinity");
}

TEST(IsoDate, AcceptedFormsGiveSecondsSinceTheEpochInUtc) {
    const std::pair<const char*, double> cases[] = {
        {"1970-01-01", 0},
        {"1969-12-31", -86400},
        {"2000-02-29", 951782400},
        {"  2000-01-01\n", 946684800},
        {"2000-01-01T00:00", 946684800},
        {"2000-01-01T01:02:03", 946684800 + 3723},
        {"2000-01-01T01:02:03.5", 946684800 + 3723.5},
        {"2000-01-01T00:00:00Z", 946684800},
        {"2000-01-01T02:00:00+02:00", 946684800},
        {"1999-12-31T22:00:00-02:00", 946684800},
        {"2000-01-01Z", 946684800},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<double> seconds = ParseIsoDate(text);
        ASSERT_TRUE(seconds.has_value()) << text;
        EXPECT_DOUBLE_EQ(*seconds, expected) << text;
    }
}

TEST(IsoDate, RejectsWhatIsNotADate) {
    for (const char* text :
         {"", "nonsense", "2000-01", "2000-1-01", "2000-13-01", "2001-02-29", "2000-01-01T",
          "2000-01-01T24:00", "2000-01-01T10:60", "2000-01-01T10:00:00.", "2000-01-01T10:00+2",
          "2000-01-01 10:00", "20000-01-01", "2000-01-01T10:00:00+15:00"}) {
        EXPECT_FALSE(ParseIsoDate(text).has_value()) << text;
    }
}

} // namespace
} // namespace XslPattern
