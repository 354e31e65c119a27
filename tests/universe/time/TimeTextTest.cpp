#include "universe/buffers/BufferExceptions.h"
#include "universe/time/DateTimeRecord.h"

#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
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
    const uint32 first = DateRecord(1, january, 1000).AbsoluteDay();
    const uint32 last = DateRecord(31, december, 9999).AbsoluteDay();
    std::uniform_int_distribution<uint32> anyDay(first, last);
    std::uniform_int_distribution<int> hour(0, 23);
    std::uniform_int_distribution<int> minute(0, 59);
    // Zones in whole minutes, as strftime renders only those exactly.
    std::uniform_int_distribution<int32> zoneMinutes(-14 * 60, 14 * 60);
    for (int i = 0; i < 3000; ++i) {
        const DateTimeRecord t{
            DateRecord::FromAbsoluteDay(anyDay(random)),
            TimeOfDay(uint8(hour(random)), uint8(minute(random)), uint8(minute(random))),
            TimeZone(zoneMinutes(random) * 60)};
        ASSERT_EQ(t.date.Text().Bytes().AsString(), Strftime("%a, %d %b %Y", t));
        ASSERT_EQ(t.time.Text().Bytes().AsString(), Strftime("%H:%M:%S", t));
        ASSERT_EQ(t.zone.Text().Bytes().AsString(), Strftime("%z", t));
        ASSERT_EQ(t.TimeWithZoneText().Bytes().AsString(), Strftime("%H:%M:%S %z", t));
        ASSERT_EQ(t.Text().Bytes().AsString(), Strftime("%a, %d %b %Y %H:%M:%S %z", t));
    }
}

TEST(TimeTexts, FixedExamples) {
    struct Case {
        DateTimeRecord t;
        const char* text;
    };
    const Case cases[] = {
        {{{5, january, 2003}, {0, 0, 0}, TimeZone(-5 * 3600)}, "Sun, 05 Jan 2003 00:00:00 -0500"},
        {{{1, january, 1970}, {23, 59, 59}, TimeZone(0)}, "Thu, 01 Jan 1970 23:59:59 +0000"},
        {{{29, february, 2000}, {12, 5, 9}, TimeZone(5 * 3600 + 1800)},
         "Tue, 29 Feb 2000 12:05:09 +0530"},
        // Less than an hour west still carries the minus sign.
        {{{1, january, 1}, {1, 2, 3}, TimeZone(-1800)}, "Mon, 01 Jan 0001 01:02:03 -0030"},
        // Seconds of the offset beyond whole minutes are dropped.
        {{{1, january, 0}, {0, 0, 0}, TimeZone(-(3600 + 59))}, "Sat, 01 Jan 0000 00:00:00 -0100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.t.Text().Bytes().AsString(), c.text);
        EXPECT_EQ(c.t.date.Text().Length(), 16u);
        EXPECT_EQ(c.t.TimeWithZoneText().Bytes().AsString(), std::string(c.text).substr(17));
    }
}

TEST(TimeTexts, AYearBeyondFourDigitsDoesNotFitTheDateForm) {
    const DateRecord farFuture(1, january, 10000);
    EXPECT_THROW(static_cast<void>(farFuture.Text()), ConstDataCapacityExceeded);
}

TEST(MicrosecondsSince1970, AgreeWithTheStandardClock) {
    std::mt19937 random(1970);
    std::uniform_int_distribution<uint32> anyDay(0, DateRecord(31, december, 9999).AbsoluteDay());
    std::uniform_int_distribution<uint32> anySecond(0, 86399);
    std::uniform_int_distribution<int32> anyZone(-14 * 3600, 14 * 3600);
    for (int i = 0; i < 3000; ++i) {
        const uint32 absolute = anyDay(random);
        const uint32 second = anySecond(random);
        const int32 zone = anyZone(random);
        const DateTimeRecord t{
            DateRecord::FromAbsoluteDay(absolute),
            TimeOfDay(uint8(second / 3600), uint8(second / 60 % 60), uint8(second % 60)),
            TimeZone(zone)};
        const auto expected =
            sys_days{days{int64{absolute} - 719528}} + seconds{second} - seconds{zone};
        ASSERT_EQ(t.MicrosecondsSince1970(),
                  duration_cast<microseconds>(expected.time_since_epoch()).count());
    }
    const DateTimeRecord epochInParis{{1, january, 1970}, {}, TimeZone(3600)};
    EXPECT_EQ(epochInParis.MicrosecondsSince1970(), -3'600'000'000);
}

TEST(TimeZones, DifferenceIsInSeconds) {
    EXPECT_EQ(TimeZone(3600) - TimeZone(-1800), 5400);
    EXPECT_EQ(TimeZone(-1800) - TimeZone(3600), -5400);
}

} // namespace
