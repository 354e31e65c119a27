#include "universe/time/SystemTimeConversions.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {

TEST(SystemTimeConversions, ZoneOffsetAddsTheBiasOfTheRegimeInForceWhenItHasARule) {
    struct Case {
        DWORD zoneId;
        LONG bias;
        WORD standardMonth;
        LONG standardBias;
        WORD daylightMonth;
        LONG daylightBias;
        int32 secondsEast;
    };
    const Case cases[] = {
        {TIME_ZONE_ID_UNKNOWN, -60, 0, 0, 0, -60, 3600},
        {TIME_ZONE_ID_STANDARD, 300, 11, 0, 3, -60, -5 * 3600},
        {TIME_ZONE_ID_DAYLIGHT, 300, 11, 0, 3, -60, -4 * 3600},
        // A daylight bias without a rule does not apply.
        {TIME_ZONE_ID_DAYLIGHT, 300, 0, 0, 0, -60, -5 * 3600},
        {TIME_ZONE_ID_STANDARD, -600, 4, -30, 10, -60, 630 * 60},
        {TIME_ZONE_ID_STANDARD, -600, 0, -30, 10, -60, 600 * 60},
        {TIME_ZONE_ID_DAYLIGHT, -330, 4, -30, 10, 0, 330 * 60},
    };
    for (const auto& c : cases) {
        TIME_ZONE_INFORMATION info{};
        info.Bias = c.bias;
        info.StandardDate.wMonth = c.standardMonth;
        info.StandardBias = c.standardBias;
        info.DaylightDate.wMonth = c.daylightMonth;
        info.DaylightBias = c.daylightBias;
        EXPECT_EQ(TimeZoneFromInformation(c.zoneId, info).SecondsEastOfGMT(), c.secondsEast)
            << "bias " << c.bias << " id " << c.zoneId;
    }
}

TEST(SystemTimeConversions, ReadsTheRecordFieldsOfASystemTime) {
    SYSTEMTIME t{};
    t.wYear = 2003;
    t.wMonth = 1;
    t.wDay = 5;
    t.wHour = 13;
    t.wMinute = 4;
    t.wSecond = 59;
    t.wMilliseconds = 999;
    EXPECT_EQ(DateFromSystemTime(t), DateRecord(5, january, 2003));
    EXPECT_EQ(TimeOfDayFromSystemTime(t), TimeOfDay(13, 4, 59));
}

TEST(SystemTimeConversions, CurrentDateTimeIsTheLocalTimeInTheLocalZone) {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const DateTimeRecord now = CurrentDateTime();
        if (std::time(nullptr) != before) {
            continue;
        }
        std::tm local{};
        localtime_r(&before, &local);
        EXPECT_EQ(now.zone.SecondsEastOfGMT(), local.tm_gmtoff);
        EXPECT_EQ(now.MicrosecondsSince1970(), int64{before} * 1'000'000);
        EXPECT_EQ(now.date.Year(), uint32(local.tm_year + 1900));
        break;
    }
    unsetenv("TZ");
    tzset();
}

} // namespace
