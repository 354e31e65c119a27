#include "platform/time/ZoneRules.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::time_t NoonUtc(int year, int month) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = 15;
    t.tm_hour = 12;
    return timegm(&t);
}

struct Rule {
    WORD month, week, dayOfWeek, hour;
};

TEST(ZoneInformation, ReportsBiasRulesAndRegimeAsWindowsDoes) {
    struct Case {
        const char* zone;
        LONG bias, daylightBias;
        Rule toDaylight, toStandard;
        DWORD inJanuary, inJuly;
    };
    const DWORD none = TIME_ZONE_ID_UNKNOWN, stdTime = TIME_ZONE_ID_STANDARD,
                dstTime = TIME_ZONE_ID_DAYLIGHT;
    const Case cases[] = {
        {"IST-5:30", -330, 0, {}, {}, none, none},
        {"EST5EDT,M3.2.0,M11.1.0", 300, -60, {3, 2, 0, 2}, {11, 1, 0, 2}, stdTime, dstTime},
        // The last Sunday of the month is week 5, whatever its date.
        {"CET-1CEST,M3.5.0,M10.5.0/3", -60, -60, {3, 5, 0, 2}, {10, 5, 0, 3}, stdTime, dstTime},
        // Southern summer; half an hour of daylight saving.
        {"LHS-10:30LHD-11,M10.1.0,M4.1.0",
         -630,
         -30,
         {10, 1, 0, 2},
         {4, 1, 0, 2},
         dstTime,
         stdTime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        setenv("TZ", c.zone, 1);
        for (const int year : {2021, 2024}) {
            TIME_ZONE_INFORMATION info{};
            EXPECT_EQ(platform::ZoneInformationAt(NoonUtc(year, 7), info), c.inJuly);
            EXPECT_EQ(platform::ZoneInformationAt(NoonUtc(year, 1), info), c.inJanuary);
            EXPECT_EQ(info.Bias, c.bias);
            EXPECT_EQ(info.StandardBias, 0);
            EXPECT_EQ(info.DaylightBias, c.daylightBias);
            for (const auto& [actual, expected] : {std::pair{info.DaylightDate, c.toDaylight},
                                                   std::pair{info.StandardDate, c.toStandard}}) {
                EXPECT_EQ(actual.wYear, 0);
                EXPECT_EQ(actual.wMonth, expected.month);
                EXPECT_EQ(actual.wDay, expected.week);
                EXPECT_EQ(actual.wDayOfWeek, expected.dayOfWeek);
                EXPECT_EQ(actual.wHour, expected.hour);
            }
        }
    }
    unsetenv("TZ");
}

} // namespace
