#include "platform/time/ZoneRules.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

// A change of regime as year:month.week.day/hour; the year is zero for a
// rule that recurs.
std::string RuleOf(const SYSTEMTIME& date) {
    return std::to_string(date.wYear) + ":" + std::to_string(date.wMonth) + "." +
           std::to_string(date.wDay) + "." + std::to_string(date.wDayOfWeek) + "/" +
           std::to_string(date.wHour);
}

std::string RegimeOf(DWORD id) {
    const char* const names[] = {"none", "standard", "daylight"};
    return id < 3 ? names[id] : "invalid";
}

// Bias, standard and daylight bias, the rules into daylight saving time and
// out of it, and the regime in January and in July, in 2021 and 2024.
TEST(ZoneInformation, ReportsBiasRulesAndRegimeAsWindowsDoes) {
    const std::pair<const char*, const char*> cases[] = {
        {"IST-5:30", "-330 0 0 0:0.0.0/0 0:0.0.0/0 none none"},
        {"EST5EDT,M3.2.0,M11.1.0", "300 0 -60 0:3.2.0/2 0:11.1.0/2 standard daylight"},
        // The last Sunday of the month is week 5, whatever its date.
        {"CET-1CEST,M3.5.0,M10.5.0/3", "-60 0 -60 0:3.5.0/2 0:10.5.0/3 standard daylight"},
        // Southern summer; half an hour of daylight saving.
        {"LHS-10:30LHD-11,M10.1.0,M4.1.0", "-630 0 -30 0:10.1.0/2 0:4.1.0/2 daylight standard"},
    };
    for (const auto& [zone, expected] : cases) {
        setenv("TZ", zone, 1);
        // Noon UTC on 15 January and 15 July of 2021 and of 2024.
        for (const auto& [january, july] :
             {std::pair<std::time_t, std::time_t>{1610712000, 1626350400},
              {1705320000, 1721044800}}) {
            TIME_ZONE_INFORMATION info{};
            const DWORD inJuly = platform::ZoneInformationAt(july, info);
            const DWORD inJanuary = platform::ZoneInformationAt(january, info);
            const std::string description =
                std::to_string(info.Bias) + " " + std::to_string(info.StandardBias) + " " +
                std::to_string(info.DaylightBias) + " " + RuleOf(info.DaylightDate) + " " +
                RuleOf(info.StandardDate) + " " + RegimeOf(inJanuary) + " " + RegimeOf(inJuly);
            EXPECT_EQ(description, expected) << zone << " in " << january;
        }
    }
    unsetenv("TZ");
}

} // namespace
