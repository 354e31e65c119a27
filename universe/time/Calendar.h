// The proleptic Gregorian calendar counted from 1 January of year 0, which is
// absolute day 0. Years before the Gregorian reform follow the same rules, so
// every day has exactly one date and dates convert by arithmetic alone.
#pragma once

#include "universe/integers/IntegerTypes.h"
#include "universe/time/Month.h"

constexpr bool IsLeapYear(uint32 year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days in the year.
constexpr uint32 DaysIn(uint32 year) {
    return IsLeapYear(year) ? 366 : 365;
}

uint8 DaysIn(Month month, bool isLeapYear);

// Days of the year that lie before the first of the month.
uint16 DaysBefore(Month month, bool isLeapYear);

// Days from 1 January of year 0 up to 1 January of the year.
uint32 DaysBefore(uint32 year);

// The year in which the absolute day falls.
uint32 YearOf(uint32 absoluteDay);

// The month in which the (0-based) day of the year falls.
Month MonthOf(uint16 dayOfYear, bool inLeapYear);

// 1 January 1970, the day from which system clocks count.
uint32 AbsoluteDayOf1970();
