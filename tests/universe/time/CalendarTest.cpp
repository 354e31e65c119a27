#include "universe/time/Calendar.h"

#include "tests/universe/containers/ReportedAssertions.h"
#include "universe/time/DateRecord.h"

#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

using namespace std::chrono;

constexpr int64 day1970 = 719528;

sys_days SysDaysOf(uint32 absoluteDay) {
    return sys_days{days{int64{absoluteDay} - day1970}};
}

TEST(Calendar, AgreesWithTheStandardCalendarOnEveryDayOfYears0To9999) {
    const uint32 lastDay = DateRecord(31, december, 9999).AbsoluteDay();
    ASSERT_EQ(lastDay, (sys_days{year{9999} / 12 / 31} - sys_days{year{0} / 1 / 1}).count());

    std::ostringstream firstMismatch;
    uint32 mismatches = 0;
    for (uint32 absolute = 0; absolute <= lastDay; ++absolute) {
        const sys_days expected = SysDaysOf(absolute);
        const year_month_day ymd{expected};
        const DateRecord date = DateRecord::FromAbsoluteDay(absolute);
        const bool same =
            int(ymd.year()) == int64{date.Year()} && unsigned(ymd.month()) == date.Month() &&
            unsigned(ymd.day()) == date.Day() &&
            weekday{expected}.c_encoding() == unsigned{date.DayOfWeek()} &&
            DateRecord(date.Day(), date.Month(), date.Year()).AbsoluteDay() == absolute;
        if (!same && mismatches++ == 0) {
            firstMismatch << "absolute day " << absolute << " read as " << date.Year() << "-"
                          << unsigned{date.Month()} << "-" << unsigned{date.Day()};
        }
    }
    EXPECT_EQ(mismatches, 0u) << firstMismatch.str();
}

TEST(Calendar, LandmarkDays) {
    struct Case {
        uint8 day;
        Month month;
        uint32 year;
        uint32 absolute;
        DayOfWeek weekday;
        uint16 dayOfYear;
    };
    const Case cases[] = {
        {1, january, 0, 0, saturday, 0},           {31, december, 0, 365, sunday, 365},
        {1, january, 1, 366, monday, 0},           {1, january, 1970, 719528, thursday, 0},
        {29, february, 2000, 730544, tuesday, 59}, {1, march, 1900, 694020, thursday, 59},
        {31, december, 2000, 730850, sunday, 365},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.absolute);
        const DateRecord date(c.day, c.month, c.year);
        EXPECT_EQ(date.AbsoluteDay(), c.absolute);
        EXPECT_EQ(date.DayOfWeek(), c.weekday);
        EXPECT_EQ(date.DayOfYear(), c.dayOfYear);
        EXPECT_EQ(DateRecord::FromAbsoluteDay(c.absolute), date);
    }
    EXPECT_EQ(AbsoluteDayOf1970(), 719528u);
}

TEST(Calendar, TheLastAbsoluteDayIsAnOrdinaryDate) {
    ReportedAssertions reports;
    const DateRecord last = DateRecord::FromAbsoluteDay(maxuint32);
    EXPECT_EQ(last.AbsoluteDay(), maxuint32);
    EXPECT_GT(last.Year(), 11'000'000u);
    DateRecord before = last;
    before.SubtractDays(366);
    before.AddDays(366);
    EXPECT_EQ(before, last);
    EXPECT_THROW(before.AddDays(1), std::out_of_range);
    EXPECT_TRUE(reports.Include("CanAdd(absoluteDay, days)")) << reports.Text();
}

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
    const std::pair<uint32, bool> cases[] = {
        {0, true},    {1, false},    {4, true},    {100, false},  {400, true}, {1900, false},
        {2000, true}, {2023, false}, {2024, true}, {2100, false}, {9996, true}};
    for (const auto& [y, leap] : cases) {
        EXPECT_EQ(IsLeapYear(y), leap) << y;
        EXPECT_EQ(DaysIn(y), leap ? 366u : 365u) << y;
        EXPECT_EQ(DaysIn(february, leap), leap ? 29 : 28) << y;
        EXPECT_EQ(DaysBefore(march, leap), leap ? 60 : 59) << y;
    }
    EXPECT_EQ(DaysBefore(february, true), 31);
    EXPECT_EQ(DaysBefore(december, false) + DaysIn(december, false), 365);
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
        const year_month_day expected{SysDaysOf(start) + days{count}};
        EXPECT_EQ(int(expected.year()), int64{added.Year()});
        EXPECT_EQ(unsigned(expected.month()), added.Month());
        EXPECT_EQ(unsigned(expected.day()), added.Day());
        EXPECT_EQ(subtracted, added);
    }
}

TEST(Calendar, DatesOrderByYearThenMonthThenDay) {
    const DateRecord ordered[] = {{31, december, 1999},
                                  {1, january, 2000},
                                  {31, january, 2000},
                                  {1, february, 2000},
                                  {2, february, 2000}};
    for (std::size_t i = 0; i + 1 < std::size(ordered); ++i) {
        EXPECT_LT(ordered[i], ordered[i + 1]);
        EXPECT_NE(ordered[i], ordered[i + 1]);
        EXPECT_EQ(ordered[i], DateRecord::FromAbsoluteDay(ordered[i].AbsoluteDay()));
    }
}

TEST(Calendar, InvalidDatesAndCountsAreReported) {
    {
        ReportedAssertions reports;
        const DateRecord notLeap(29, february, 1900);
        EXPECT_FALSE(reports.None());
    }
    {
        ReportedAssertions reports;
        DateRecord first;
        EXPECT_THROW(first.SubtractDays(1), std::out_of_range);
        EXPECT_EQ(first, DateRecord());
        EXPECT_TRUE(reports.Include("CanSubtract(absoluteDay, days)")) << reports.Text();
    }
    {
        ReportedAssertions reports;
        EXPECT_TRUE(MonthName(Month(13)).IsEmpty());
        EXPECT_TRUE(reports.Include("january <= m && m <= december")) << reports.Text();
    }
    {
        ReportedAssertions reports;
        EXPECT_TRUE(ShortDayName(DayOfWeek(7)).IsEmpty());
        EXPECT_TRUE(reports.Include("sunday <= d && d <= saturday")) << reports.Text();
    }
}

TEST(Calendar, NamesOfMonthsAndDays) {
    EXPECT_EQ(MonthName(january).AsString(), "January");
    EXPECT_EQ(MonthName(september).AsString(), "September");
    EXPECT_EQ(ShortMonthName(june).AsString(), "Jun");
    EXPECT_EQ(TwoDigitMonth(march).AsString(), "03");
    EXPECT_EQ(TwoDigitMonth(december).AsString(), "12");
    EXPECT_EQ(DayName(wednesday).AsString(), "Wednesday");
    EXPECT_EQ(ShortDayName(sunday).AsString(), "Sun");
    EXPECT_EQ(ShortDayName(saturday).AsString(), "Sat");
}

} // namespace
