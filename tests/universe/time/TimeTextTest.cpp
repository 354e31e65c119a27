#include "universe/time/DateTimeRecord.h"

#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

using namespace std::chrono;

std::string Strftime(const char* format, const DateTimeRecord& t) {
    const year_month_day ymd{year{int(t.date.Year())}, month{t.date.Month()}, day{t.date.Day()}};
    std::tm tm{};
    tm.tm_year = int(t.date.Year()) - 1900;
    tm.tm_mon = t.date.Month() - 1;
    tm.tm_mday = t.date.Day();
    tm.tm_wday = int(weekday{sys_days{ymd}}.c_encoding());
    tm.tm_hour = t.time.Hour();
    tm.tm_min = t.time.Minute();
    tm.tm_sec = t.time.Second();
    tm.tm_gmtoff = t.zone.SecondsEastOfGMT();
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &tm));
}

TEST(TimeTexts, AgreeWithStrftimeInTheCLocale) {
    std::mt19937 random(2003);
    std::uniform_int_distribution<uint32> anyDay(DateRecord(1, january, 1000).AbsoluteDay(),
                                                 DateRecord(31, december, 9999).AbsoluteDay());
    std::uniform_int_distribution<int> sixty(0, 59);
    std::uniform_int_distribution<int32> zoneMinutes(-14 * 60, 14 * 60);
    for (int i = 0; i < 3000; ++i) {
        const DateTimeRecord t{
            DateRecord::FromAbsoluteDay(anyDay(random)),
            TimeOfDay(uint8(sixty(random) % 24), uint8(sixty(random)), uint8(sixty(random))),
            TimeZone(zoneMinutes(random) * 60)};
        ASSERT_EQ(t.date.Text().Bytes().AsString(), Strftime("%a, %d %b %Y", t));
        ASSERT_EQ(t.TimeWithZoneText().Bytes().AsString(), Strftime("%H:%M:%S %z", t));
        ASSERT_EQ(t.Text().Bytes().AsString(), Strftime("%a, %d %b %Y %H:%M:%S %z", t));
    }
}

TEST(TimeTexts, SignsPaddingAndLimits) {
    const std::pair<DateTimeRecord, const char*> cases[] = {
        {{{5, january, 2003}, {}, TimeZone(-5 * 3600)}, "Sun, 05 Jan 2003 00:00:00 -0500"},
        {{{1, january, 1}, {1, 2, 3}, TimeZone(-1800)}, "Mon, 01 Jan 0001 01:02:03 -0030"},
        // Seconds of the offset beyond whole minutes are dropped.
        {{{1, january, 0}, {}, TimeZone(19859)}, "Sat, 01 Jan 0000 00:00:00 +0530"},
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

TEST(MicrosecondsSince1970, AgreeWithTheStandardClock) {
    std::mt19937 random(1970);
    std::uniform_int_distribution<uint32> anyDay(0, DateRecord(31, december, 9999).AbsoluteDay());
    std::uniform_int_distribution<uint32> anySecond(0, 86399);
    std::uniform_int_distribution<int32> anyZone(-14 * 3600, 14 * 3600);
    for (int i = 0; i < 3000; ++i) {
        const uint32 absolute = anyDay(random);
        const uint32 s = anySecond(random);
        const int32 zone = anyZone(random);
        const DateTimeRecord t{DateRecord::FromAbsoluteDay(absolute),
                               TimeOfDay(uint8(s / 3600), uint8(s / 60 % 60), uint8(s % 60)),
                               TimeZone(zone)};
        const auto expected = sys_days{days{int64{absolute} - 719528}} + seconds{s} - seconds{zone};
        ASSERT_EQ(t.MicrosecondsSince1970(),
                  duration_cast<microseconds>(expected.time_since_epoch()).count());
    }
    const DateTimeRecord epochInParis{{1, january, 1970}, {}, TimeZone(3600)};
    EXPECT_EQ(epochInParis.MicrosecondsSince1970(), -3'600'000'000);
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
