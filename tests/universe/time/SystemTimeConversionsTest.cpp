#include "universe/time/SystemTimeConversions.h"

#include "tests/support/LocalZone.h"
#include "tests/support/ReportedAssertions.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

TEST(SystemTimeConversions, ZoneOffsetAddsTheBiasOfTheRegimeInForceWhenItHasARule) {
    // Zone id, bias, standard month and bias, daylight month and bias, and
    // the offset that results, in seconds east.
    const int32 cases[][7] = {
        {TIME_ZONE_ID_UNKNOWN, 300, 11, 0, 3, -60, -5 * 3600},
        {TIME_ZONE_ID_DAYLIGHT, 300, 11, 0, 3, -60, -4 * 3600},
        {TIME_ZONE_ID_DAYLIGHT, 300, 0, 0, 0, -60, -5 * 3600}, // a bias without a rule
        {TIME_ZONE_ID_STANDARD, -600, 4, -30, 10, -60, 630 * 60},
        {TIME_ZONE_ID_STANDARD, -600, 0, -30, 10, -60, 600 * 60},
    };
    for (const auto& [zoneId, bias, standardMonth, standardBias, daylightMonth, daylightBias,
                      secondsEast] : cases) {
        TIME_ZONE_INFORMATION info{};
        info.Bias = bias;
        info.StandardDate.wMonth = WORD(standardMonth);
        info.StandardBias = standardBias;
        info.DaylightDate.wMonth = WORD(daylightMonth);
        info.DaylightBias = daylightBias;
        EXPECT_EQ(TimeZoneFromInformation(DWORD(zoneId), info).SecondsEastOfGMT(), secondsEast);
    }
}

TEST(SystemTimeConversions, MonthOutOfRangeIsReported) {
    const SYSTEMTIME t{2003, 13, 0, 1, 0, 0, 0, 0}; // year, month, day of week, day, ...
    ReportedAssertions reported;
    (void)DateFromSystemTime(t);
    EXPECT_TRUE(reported.Include("Valid( Month( t.wMonth ) )")) << reported.Output();
}

// The local time is read from the realtime clock, which the system clock
// reads too: in whole seconds it lies between readings taken just before and
// just after, however long the call is held up.
TEST(SystemTimeConversions, CurrentDateTimeIsTheLocalTimeInTheLocalZone) {
    using std::chrono::system_clock;
    const LocalZone zone;
    const std::time_t before = system_clock::to_time_t(system_clock::now());
    const DateTimeRecord now = CurrentDateTime();
    const std::time_t after = system_clock::to_time_t(system_clock::now());
    const auto offset = &LocalZone::OffsetAt;
    EXPECT_THAT(now.zone.SecondsEastOfGMT(), testing::AnyOf(offset(before), offset(after)));
    EXPECT_EQ(now.MicrosecondsSince1970() % 1'000'000, 0);
    EXPECT_THAT(now.MicrosecondsSince1970() / 1'000'000,
                testing::AllOf(testing::Ge(before), testing::Le(after)));
}

} // namespace
