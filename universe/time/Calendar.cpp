#include "universe/time/Calendar.h"

#include "universe/exceptions/Assertion.h"

#include <algorithm>

namespace {

// Plain arrays: the tables are read millions of times by the calendar checks,
// also in unoptimised builds.
constexpr uint8 daysIn[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr uint16 daysBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
static_assert(daysBefore[december] + 31 == 365);

constexpr uint32 daysIn400Years = 146097;
constexpr uint32 daysIn100Years = 36524;
constexpr uint32 daysIn4Years = 1461;

} // namespace

// Past the report an invalid month has no days, so that nothing reads
// outside the tables.
uint8 DaysIn(Month month, bool isLeapYear) {
    ASSERT_REPORTING(Valid(month), "Valid( month )");
    if (!Valid(month)) {
        return 0;
    }
    if (month == february && isLeapYear) {
        return 29;
    }
    return daysIn[month];
}

uint16 DaysBefore(Month month, bool isLeapYear) {
    ASSERT_REPORTING(Valid(month), "Valid( month )");
    if (!Valid(month)) {
        return 0;
    }
    return static_cast<uint16>(daysBefore[month] + (isLeapYear && month >= march ? 1 : 0));
}

uint32 DaysBefore(uint32 year) {
    if (year == 0) {
        return 0;
    }
    // Year 0 itself is a leap year, hence the final 1; the other leap days
    // are those of years 1..year-1.
    const uint64 y = year;
    const uint64 days = 365 * y + (y - 1) / 4 - (y - 1) / 100 + (y - 1) / 400 + 1;
    ASSERT(days <= maxuint32);
    return static_cast<uint32>(days);
}

uint32 YearOf(uint32 absoluteDay) {
    // Removing the leap day of year 0 first leaves the years 1.. in the
    // regular 400-year pattern; each step then removes one kind of leap day
    // so that every year counts 365 days.
    // Wide enough for the last absolute days, where r exceeds 32 bits.
    const uint64 a = absoluteDay > 0 ? absoluteDay - 1 : 0;
    const uint64 q = a - a / daysIn400Years;
    const uint64 r = q + q / daysIn100Years;
    return static_cast<uint32>((r - r / daysIn4Years) / 365);
}

Month MonthOf(uint16 dayOfYear, bool inLeapYear) {
    ASSERT(dayOfYear < 366);
    ASSERT(inLeapYear || dayOfYear < 365);
    // In a leap year 29 February shares the table entry of 28 February, so
    // that every later day lines up with the common-year table.
    const uint16 d = inLeapYear && dayOfYear >= 59 ? dayOfYear - 1 : dayOfYear;
    // No month is longer than 31 days, so d / 31 never lies past the month
    // sought, and no month is shorter than 28, so it lies at most two before.
    uint32 m = std::min<uint32>(d / 31 + 1, december);
    while (m < december && daysBefore[m + 1] <= d) {
        ++m;
    }
    return static_cast<Month>(m);
}

uint32 AbsoluteDayOf1970() {
    static const uint32 day = DaysBefore(uint32{1970});
    return day;
}
