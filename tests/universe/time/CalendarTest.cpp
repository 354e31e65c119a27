#include "universe/time/Calendar.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/time/DateRecord.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

// Absolute day 0 is 1 January of year 0.
TEST(Calendar, AgreesWithTheStandardCalendarOnEveryDayOfYears0To9999) {
    sys_days day = year{0} / 1 / 1;
    for (uint32 absolute = 0; day <= year{9999} / 12 / 31; ++absolute, day += days{1}) {
        const DateRecord date = DateRecord::FromAbsoluteDay(absolute);
        const year_month_day ymd{day};
        ASSERT_TRUE(date.Year() == uint32(int(ymd.year())) &&
                    date.Month() == unsigned(ymd.month()) && date.Day() == unsigned(ymd.day()) &&
                    unsigned{date.DayOfWeek()} == weekday{day}.c_encoding() &&
                    date.AbsoluteDay() == absolute)
            << "absolute day " << absolute;
    }
}

TEST(Calendar, OrdersDatesCountsDaysBothWaysAndReachesTheLastDayCount) {
    EXPECT_LT(DateRecord(31, december, 1999), DateRecord(1, january, 2000));
    EXPECT_LT(DateRecord(31, january, 2000), DateRecord(1, february, 2000));
    DateRecord date(1, march, 2000);
    date.AddDays(-1);
    EXPECT_EQ(date, DateRecord(29, february, 2000));
    date.SubtractDays(-366);
    EXPECT_EQ(date, DateRecord(1, march, 2001));
    date = DateRecord::FromAbsoluteDay(3'000'000'000);
    date.AddDays(minint32);
    EXPECT_EQ(date.AbsoluteDay(), 3'000'000'000u - 2'147'483'648u);
    // The last 32-bit day count is still an ordinary date.
    const DateRecord last = DateRecord::FromAbsoluteDay(maxuint32);
    EXPECT_EQ(last.AbsoluteDay(), maxuint32);
    EXPECT_EQ(DateRecord(last.Day(), last.Month(), last.Year()), last);
}

// Past the report the day count wraps around.
TEST(Calendar, InvalidDatesAndCountsAreReported) {
    ReportedAssertions reports;
    DateRecord date;
    date.SubtractDays(1);
    EXPECT_EQ(date.AbsoluteDay(), maxuint32);
    date.AddDays(3);
    EXPECT_EQ(date.AbsoluteDay(), 2u);
    EXPECT_TRUE(MonthName(Month(13)).IsEmpty());
    EXPECT_EQ(DaysIn(Month(0), false), 0);
    (void)DateRecord(29, february, 1900);
    EXPECT_EQ(reports.Conditions().size(), 5u) << reports.Output();
}

} // namespace
