#include "platform/xml/xslpattern/IsoDate.h"

#include <gtest/gtest.h>

namespace XslPattern {
namespace {

TEST(IsoDate, AcceptedFormsGiveSecondsSinceTheEpochInUtc) {
    struct Case {
        const char* text;
        double seconds;
    } cases[] = {
        {"1970-01-01", 0},
        {"1970-01-02", 86400},
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
    for (const Case& c : cases) {
        auto seconds = ParseIsoDate(c.text);
        ASSERT_TRUE(seconds.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*seconds, c.seconds) << c.text;
    }
}

TEST(IsoDate, RejectsWhatIsNotADate) {
    const char* texts[] = {
        "",
        "nonsense",
        "2000-01",
        "2000-1-01",
        "2000-13-01",
        "2001-02-29",
        "2000-01-01T",
        "2000-01-01T24:00",
        "2000-01-01T10:60",
        "2000-01-01T10:00:00.",
        "2000-01-01T10:00+2",
        "2000-01-01 10:00",
        "20000-01-01",
        "2000-01-01T10:00:00+15:00",
    };
    for (const char* text : texts) {
        EXPECT_FALSE(ParseIsoDate(text).has_value()) << text;
    }
}

} // namespace
} // namespace XslPattern
