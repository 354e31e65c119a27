// Time texts against the C library's strftime, which shows a zone's offset
// from the POSIX field tm_gmtoff.
#include "universe/time/DateTimeRecord.h"

#include <ctime>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// A random moment of the years 1000 to 9999 (strftime writes earlier years
// with fewer digits) in a random zone, from its local time in seconds since
// 1970: the C library's calendar gives the fields strftime shows, and the
// count is that time less the zone's offset.
TEST(TimeTexts, AgreeWithStrftimeInTheCLocaleAndTheCountWithTheCLibrary) {
    std::mt19937 random(2003);
    std::uniform_int_distribution<int64> anyTime(-30'610'224'000, 253'402'300'799);
    std::uniform_int_distribution<int32> anyZone(-14 * 3600, 14 * 3600);
    for (int i = 0; i < 3000; ++i) {
        const std::time_t local = anyTime(random);
        const int32 zone = anyZone(random);
        std::tm tm{};
        gmtime_r(&local, &tm);
        tm.tm_gmtoff = zone;
        const DateTimeRecord t{
            DateRecord::FromAbsoluteDay(uint32((local + 719528 * 86400LL) / 86400)),
            TimeOfDay(uint8(tm.tm_hour), uint8(tm.tm_min), uint8(tm.tm_sec)), TimeZone(zone)};
        const auto strftime = [&tm](const char* format) {
            char text[64];
            return std::string(text, std::strftime(text, sizeof text, format, &tm));
        };
        ASSERT_EQ(t.date.Text().Bytes().AsString(), strftime("%a, %d %b %Y"));
        ASSERT_EQ(t.TimeWithZoneText().Bytes().AsString(), strftime("%H:%M:%S %z"));
        ASSERT_EQ(t.Text().Bytes().AsString(), strftime("%a, %d %b %Y %H:%M:%S %z"));
        ASSERT_EQ(t.MicrosecondsSince1970(), (local - zone) * 1'000'000);
    }
}

} // namespace
