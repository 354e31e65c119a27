#include "universe/time/SystemTimeConversions.h"

#include "tests/support/ReportedAssertions.h"

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
        {TIME_ZONE_ID_UNKNOWN, 300, 11, 0, 3, -60, -5 * 3600},
        {TIME_ZONE_ID_DAYLIGHT, 300, 11, 0, 3, -60, -4 * 3600},
        {TIME_ZONE_ID_DAYLIGHT, 300, 0, 0, 0, -60, -5 * 3600}, // a bias without a rule
        {TIME_ZONE_ID_STANDARD, -600, 4, -30, 10, -60, 630 * 60},
        {TIME_ZONE_ID_STANDARD, -600, 0, -30, 10, -60, 600 * 60},
    };
    for (const auto& c : cases) {
        TIME_ZONE_INFORMATION info{};
        info.Bias = c.bias;
        info.StandardDate.wMonth = c.standardMonth;
        info.StandardBias = c.standardBias;
        info.DaylightDate.wMonth = c.daylightMonth;
        info.DaylightBias = c.daylightBias;
        EXPECT_EQ(TimeZoneFromInformation(c.zoneId, info).SecondsEastOfGMT(), c.secondsEast);
    }
}

TEST(SystemTimeConversions, MonthOutOfRangeIsReported) {
    SYSTEMTIME t{};
    t.wYear = 2003;
    t.wMonth = 13;
    t.wDay = 1;
    ReportedAssertions reported;
    (void)DateFromSystemTime(t);
    EXPECT_TRUE(reported.Include("Valid( Month( t.wMonth ) )")) << reported.Output();
}

TEST(SystemTimeConversions, CurrentDateTimeIsTheLocalTimeInTheLocalZone) {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    // The second may tick between the readings; a few tries find a pair taken
    // within the same one.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const DateTimeRecord now = CurrentDateTime();
        if (std::time(nullptr) == before) {
            std::tm local{};
            localtime_r(&before, &local);
            EXPECT_EQ(now.zone.SecondsEastOfGMT(), local.tm_gmtoff);
            EXPECT_EQ(now.MicrosecondsSince1970(), int64{before} * 1'000'000);
            break;
        }
    }
    unsetenv("TZ");
}

} // namespace
