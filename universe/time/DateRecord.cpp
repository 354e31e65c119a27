#include "universe/time/DateRecord.h"

#include "universe/exceptions/Assertion.h"
#include "universe/integers/Overflow.h"
#include "universe/time/Calendar.h"

DateRecord::DateRecord(uint8 theDay, ::Month theMonth, uint32 theYear)
    : day(theDay)
    , month(theMonth)
    , year(theYear) {
    ASSERT_REPORTING(Valid(month), "Valid( month )");
    ASSERT(day >= 1 && day <= ::DaysIn(month, ::IsLeapYear(year)));
}

DateRecord DateRecord::FromAbsoluteDay(uint32 absoluteDay) {
    DateRecord date;
    date.SetAbsoluteDay(absoluteDay);
    return date;
}

bool DateRecord::IsLeapYear() const {
    return ::IsLeapYear(year);
}

uint32 DateRecord::DaysInYear() const {
    return ::DaysIn(year);
}

uint16 DateRecord::DayOfYear() const {
    return Asuint16(uint32{::DaysBefore(month, IsLeapYear())} + day - 1);
}

uint32 DateRecord::AbsoluteDay() const {
    ASSERT(CanAdd(::DaysBefore(year), uint32{DayOfYear()}));
    return ::DaysBefore(year) + DayOfYear();
}

void DateRecord::SetAbsoluteDay(uint32 absoluteDay) {
    year = YearOf(absoluteDay);
    const uint32 yearStart = DaysBefore(year);
    ASSERT_REPORTING(absoluteDay - yearStart < DaysIn(year),
                     "absoluteDay - DaysBefore( year ) < DaysIn( year )");
    const bool isLeapYear = ::IsLeapYear(year);
    const uint16 d = static_cast<uint16>(absoluteDay - yearStart);
    ASSERT_REPORTING(d < DaysIn(year), "d < DaysIn( year )");
    month = MonthOf(d, isLeapYear);
    const uint16 monthStart = ::DaysBefore(month, isLeapYear);
    ASSERT_REPORTING(d >= monthStart, "d >= ::DaysBefore( month, isLeapYear )");
    ASSERT_REPORTING(d < monthStart + ::DaysIn(month, isLeapYear),
                     "d < ::DaysBefore( month, isLeapYear ) + ::DaysIn( month, isLeapYear )");
    day = static_cast<uint8>(d - monthStart + 1);
    ASSERT(DayOfYear() == d);
    ASSERT(AbsoluteDay() == absoluteDay);
}

// Past a failed check the day count wraps around: every 32-bit count is a
// day, so the record stays a valid date.
void DateRecord::AddToAbsoluteDay(uint32 days) {
    const uint32 absoluteDay = AbsoluteDay();
    ASSERT_REPORTING(CanAdd(absoluteDay, days), "CanAdd( absoluteDay, days )");
    SetAbsoluteDay(absoluteDay + days);
}

void DateRecord::SubtractFromAbsoluteDay(uint32 days) {
    const uint32 absoluteDay = AbsoluteDay();
    ASSERT_REPORTING(CanSubtract(absoluteDay, days), "CanSubtract( absoluteDay, days )");
    SetAbsoluteDay(absoluteDay - days);
}

// The magnitude of a negative count, taken in unsigned arithmetic so that the
// most negative count has one too.
static uint32 Magnitude(int32 days) {
    return uint32{0} - static_cast<uint32>(days);
}

void DateRecord::AddDays(int32 days) {
    if (days < 0) {
        SubtractFromAbsoluteDay(Magnitude(days));
    } else {
        AddToAbsoluteDay(static_cast<uint32>(days));
    }
}

void DateRecord::SubtractDays(int32 days) {
    if (days < 0) {
        AddToAbsoluteDay(Magnitude(days));
    } else {
        SubtractFromAbsoluteDay(static_cast<uint32>(days));
    }
}

::DayOfWeek DateRecord::DayOfWeek() const {
    // Day 0 was a Saturday.
    return static_cast<::DayOfWeek>((uint64{AbsoluteDay()} + 6) % 7);
}

std::strong_ordering operator<=>(const DateRecord& a, const DateRecord& b) {
    if (a.year != b.year) {
        return a.year <=> b.year;
    }
    if (a.month != b.month) {
        return a.month <=> b.month;
    }
    return a.day <=> b.day;
}
