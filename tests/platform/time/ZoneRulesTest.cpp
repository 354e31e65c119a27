#include "platform/time/ZoneRules.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <windows.h>

namespace {

// Runs each test in a chosen zone and puts the process's zone back afterwards.
class ZoneOverride {
public:
    explicit ZoneOverride(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            saved = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneOverride() {
        if (saved) {
            setenv("TZ", saved->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ZoneOverride(const ZoneOverride&) = delete;
    ZoneOverride& operator=(const ZoneOverride&) = delete;

private:
    std::optional<std::string> saved;
};

std::time_t Utc(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    return timegm(&t);
}

struct Rule {
    WORD month, week, dayOfWeek, hour, minute;
};

struct ZoneCase {
    const char* zone;
    LONG bias;
    LONG daylightBias;
    Rule toDaylight;
    Rule toStandard;
    DWORD inJanuary;
    DWORD inJuly;
};

void ExpectRule(const SYSTEMTIME& actual, const Rule& expected) {
    EXPECT_EQ(actual.wYear, 0);
    EXPECT_EQ(actual.wMonth, expected.month);
    EXPECT_EQ(actual.wDay, expected.week);
    EXPECT_EQ(actual.wDayOfWeek, expected.dayOfWeek);
    EXPECT_EQ(actual.wHour, expected.hour);
    EXPECT_EQ(actual.wMinute, expected.minute);
}

TEST(ZoneInformation, ReportsBiasRulesAndRegimeAsWindowsDoes) {
    const ZoneCase cases[] = {
        {"UTC0", 0, 0, {}, {}, TIME_ZONE_ID_UNKNOWN, TIME_ZONE_ID_UNKNOWN},
        {"IST-5:30", -330, 0, {}, {}, TIME_ZONE_ID_UNKNOWN, TIME_ZONE_ID_UNKNOWN},
        {"<-03>3", 180, 0, {}, {}, TIME_ZONE_ID_UNKNOWN, TIME_ZONE_ID_UNKNOWN},
        {"EST5EDT,M3.2.0,M11.1.0",
         300,
         -60,
         {3, 2, 0, 2, 0},
         {11, 1, 0, 2, 0},
         TIME_ZONE_ID_STANDARD,
         TIME_ZONE_ID_DAYLIGHT},
        {"CET-1CEST,M3.5.0,M10.5.0/3",
         -60,
         -60,
         {3, 5, 0, 2, 0},
         {10, 5, 0, 3, 0},
         TIME_ZONE_ID_STANDARD,
         TIME_ZONE_ID_DAYLIGHT},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3",
         -600,
         -60,
         {10, 1, 0, 2, 0},
         {4, 1, 0, 3, 0},
         TIME_ZONE_ID_DAYLIGHT,
         TIME_ZONE_ID_STANDARD},
        {"LHST-10:30LHDT-11,M10.1.0,M4.1.0",
         -630,
         -30,
         {10, 1, 0, 2, 0},
         {4, 1, 0, 2, 0},
         TIME_ZONE_ID_DAYLIGHT,
         TIME_ZONE_ID_STANDARD},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        const ZoneOverride zone(c.zone);
        for (const int year : {2021, 2024}) {
            TIME_ZONE_INFORMATION info{};
            EXPECT_EQ(platform::ZoneInformationAt(Utc(year, 1, 15), info), c.inJanuary);
            EXPECT_EQ(info.Bias, c.bias);
            EXPECT_EQ(info.StandardBias, 0);
            EXPECT_EQ(info.DaylightBias, c.daylightBias);
            ExpectRule(info.DaylightDate, c.toDaylight);
            ExpectRule(info.StandardDate, c.toStandard);
            EXPECT_EQ(platform::ZoneInformationAt(Utc(year, 7, 15), info), c.inJuly);
        }
    }
}

TEST(ZoneInformation, NamesTheZonesAsTheCLibraryDoes) {
    const ZoneOverride zone("EST5EDT,M3.2.0,M11.1.0");
    TIME_ZONE_INFORMATION info{};
    platform::ZoneInformationAt(Utc(2022, 1, 1), info);
    EXPECT_EQ(std::u16string(info.StandardName), u"EST");
    EXPECT_EQ(std::u16string(info.DaylightName), u"EDT");
}

TEST(ZoneInformation, CurrentZoneAgreesWithTheCLibrarysDaylightFlag) {
    const ZoneOverride zone("CET-1CEST,M3.5.0,M10.5.0/3");
    TIME_ZONE_INFORMATION info{};
    const DWORD result = GetTimeZoneInformation(&info);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(result, local.tm_isdst > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD);
    EXPECT_EQ(info.Bias, -60);
    EXPECT_EQ(GetTimeZoneInformation(nullptr), TIME_ZONE_ID_INVALID);
}

} // namespace
