// A calendar date: day of the month, month and year.
#pragma once

#include "universe/buffers/ConstDataOfCapacity.h"
#include "universe/integers/IntegerTypes.h"
#include "universe/time/DayOfWeek.h"
#include "universe/time/Month.h"

#include <compare>

class DateRecord {
public:
    // 1 January of year 0.
    DateRecord() = default;
    DateRecord(uint8 day, ::Month month, uint32 year);

    static DateRecord FromAbsoluteDay(uint32 absoluteDay);

    uint8 Day() const { return day; }
    ::Month Month() const { return month; }
    uint32 Year() const { return year; }

    bool IsLeapYear() const;
    uint32 DaysInYear() const;
    // 0 for 1 January.
    uint16 DayOfYear() const;
    // Days since 1 January of year 0.
    uint32 AbsoluteDay() const;
    void SetAbsoluteDay(uint32 absoluteDay);

    // A count that would leave the 32-bit day range is reported, and the
    // day count wraps around.
    void AddDays(int32 days);
    void SubtractDays(int32 days);

    ::DayOfWeek DayOfWeek() const;

    // "Sun, 05 Jan 2003"; a year of five digits or more is cut to fit.
    ConstDataOfCapacity<16> Text() const;

    friend bool operator==(const DateRecord&, const DateRecord&) = default;
    friend std::strong_ordering operator<=>(const DateRecord& a, const DateRecord& b);

private:
    void AddToAbsoluteDay(uint32 days);
    void SubtractFromAbsoluteDay(uint32 days);

    uint8 day = 1;
    ::Month month = january;
    uint32 year = 0;
};
