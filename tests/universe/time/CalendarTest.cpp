#include "universe/time/Calendar.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/time/DateRecord.h"

#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using namespace std::chrono;

sys_days SysDaysOf(uint32 absoluteDay) {
    return sys_days{days{int64{absoluteDay} - 719528}};
}

bool SameDate(const DateRecord& date, const year_month_day& ymd) {
    return int(ymd.year()) == int64{date.Year()} && unsigned(ymd.month()) == date.Month() &&
           unsigned(ymd.day()) == date.Day();
}

TEST(Calendar, AgreesWithTheStandardCalendarOnEveryDayOfYears0To9999) {
    const uint32 lastDay = DateRecord(31, december, 9999).AbsoluteDay();
    ASSERT_EQ(SysDaysOf(lastDay), sys_days{year{9999} / 12 / 31});
    std::string firstMismatch;
    for (uint32 absolute = 0; absolute <= lastDay && firstMismatch.empty(); ++absolute) {
        const DateRecord date = DateRecord::FromAbsoluteDay(absolute);
        if (!SameDate(date, year_month_day{SysDaysOf(absolute)}) ||
            weekday{SysDaysOf(absolute)}.c_encoding() != unsigned{date.DayOfWeek()} ||
            date.AbsoluteDay() != absolute) {
            firstMismatch = "absolute day " + std::to_string(absolute);
        }
    }
    EXPECT_EQ(firstMismatch, "");
}

TEST(Calendar, OrdersDatesAndReachesTheLastDayCount) {
    EXPECT_LT(DateRecord(31, december, 1999), DateRecord(1, january, 2000));
    EXPECT_LT(DateRecord(31, january, 2000), DateRecord(1, february, 2000));
    // The last 32-bit day count is still an ordinary date.
    const DateRecord last = DateRecord::FromAbsoluteDay(maxuint32);
    EXPECT_EQ(last.AbsoluteDay(), maxuint32);
    EXPECT_EQ(DateRecord(last.Day(), last.Month(), last.Year()), last);
}

TEST(Calendar, AddingAndSubtractingDaysAgreesWithTheStandardCalendar) {
    std::mt19937 random(1970);
    std::uniform_int_distribution<uint32> anyDay(600'000, 3'000'000);
    std::uniform_int_distribution<int32> anyCount(-500'000, 500'000);
    for (int i = 0; i < 2000; ++i) {
        const uint32 start = anyDay(random);
        const int32 count = anyCount(random);
        DateRecord added = DateRecord::FromAbsoluteDay(start);
        added.AddDays(count);
        DateRecord subtracted = DateRecord::FromAbsoluteDay(start);
        subtracted.SubtractDays(-count);
        ASSERT_TRUE(SameDate(added, year_month_day{SysDaysOf(start) + days{count}}));
        ASSERT_EQ(subtracted, added);
    }
}

TEST(Calendar, InvalidDatesAndCountsAreReported) {
    void (*const misuses[])() = {
        // Past the report the day count wraps around.
        [] {
            DateRecord date;
            date.SubtractDays(1);
            EXPECT_EQ(date.AbsoluteDay(), maxuint32);
        },
        [] {
            DateRecord date = DateRecord::FromAbsoluteDay(maxuint32 - 1);
            date.AddDays(3);
            EXPECT_EQ(date.AbsoluteDay(), 1u);
        },
        [] { EXPECT_TRUE(MonthName(Month(13)).IsEmpty()); },
        [] { EXPECT_EQ(DaysIn(Month(0), false), 0); },
        [] { DateRecord(29, february, 1900); },
    };
    for (const auto misuse : misuses) {
        ReportedAssertions reports;
        misuse();
        EXPECT_EQ(reports.Conditions().size(), 1u) << reports.Output();
    }
}

} // namespace
