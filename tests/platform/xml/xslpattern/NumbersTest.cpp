#include "platform/xml/xslpattern/Numbers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace XslPattern {
namespace {

TEST(Numbers, ParsesXPathNumeralsOnly) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"0", 0}, {"12", 12}, {" -3.5 ", -3.5}, {".25", 0.25}, {"7.", 7}, {"007", 7}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.value) << c.text;
    }
    for (const char* text :
         {"", " ", "-", ".", "1e3", "+1", "0x10", "1.2.3", "inf", "NaN", "1 2", "--1", "1-"}) {
        EXPECT_TRUE(std::isnan(ParseNumber(text))) << text;
    }
}

TEST(Numbers, FormatsIntegersWithoutAFraction) {
    EXPECT_EQ(FormatNumber(12), "12");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(0.5), "0.5");
    EXPECT_EQ(FormatNumber(-2.25), "-2.25");
    EXPECT_EQ(FormatNumber(1e21), "1000000000000000000000");
    EXPECT_EQ(FormatNumber(std::nan("")), "NaN");
    EXPECT_EQ(FormatNumber(-INFINITY), "-Infinity");
}

} // namespace
} // namespace XslPattern
