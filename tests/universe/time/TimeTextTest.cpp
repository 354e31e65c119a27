#include "universe/time/DateTimeRecord.h"

#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

// Years before 1000 are padded to four digits.
TEST(TimeTexts, SignsPaddingAndLimits) {
    const std::pair<DateTimeRecord, const char*> cases[] = {
        {{{1, january, 1}, {1, 2, 3}, TimeZone(-1800)}, "Mon, 01 Jan 0001 01:02:03 -0030"},
        // A field too wide for its form is cut, and the other fields keep
        // their places.
        {{{1, january, 10000}, {}, TimeZone(100 * 3600)}, "Sat, 01 Jan 1000 00:00:00 +1000"},
        {{DateRecord::FromAbsoluteDay(maxuint32), {23, 59, 59}, TimeZone(minint32)},
         "Tue, 19 Jan 1175 23:59:59 -5965"},
    };
    for (const auto& [t, text] : cases) {
        EXPECT_EQ(t.Text().Bytes().AsString(), text);
    }
}

// The largest count is 9223372036854775807 microseconds, 106751991 days and
// 14454.775807 seconds after 1970: later moments read as that count.
TEST(MicrosecondsSince1970, StopAtTheLargestCount) {
    constexpr int64 largest = std::numeric_limits<int64>::max();
    const DateRecord lastDay = DateRecord::FromAbsoluteDay(719528 + 106751991);
    const std::pair<DateTimeRecord, int64> cases[] = {
        {{lastDay, {4, 0, 54}, {}}, 9'223'372'036'854'000'000},
        {{lastDay, {4, 0, 55}, {}}, largest},
        {{lastDay, {4, 0, 55}, TimeZone(1)}, 9'223'372'036'854'000'000},
        {{DateRecord::FromAbsoluteDay(maxuint32), {23, 59, 59}, TimeZone(minint32)}, largest},
        {{DateRecord(), {}, TimeZone(maxint32)}, (-719528 * 86400LL - maxint32) * 1'000'000},
    };
    for (const auto& [t, microseconds] : cases) {
        EXPECT_EQ(t.MicrosecondsSince1970(), microseconds) << t.Text().CString();
    }
}

} // namespace
