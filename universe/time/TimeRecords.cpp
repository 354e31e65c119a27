#include "universe/exceptions/Assertion.h"
#include "universe/integers/Overflow.h"
#include "universe/time/Calendar.h"
#include "universe/time/DateTimeRecord.h"

#include <limits>

TimeOfDay::TimeOfDay(uint8 theHour, uint8 theMinute, uint8 theSecond)
    : hour(theHour)
    , minute(theMinute)
    , second(theSecond) {
    ASSERT(hour < 24);
    ASSERT(minute < 60);
    ASSERT(second < 60);
}

int32 TimeZone::operator-(TimeZone t) const {
    ASSERT_REPORTING(CanSubtract(secondsEastOfGMT, t.secondsEastOfGMT),
                     "CanSubtract( secondsEastOfGMT, t.secondsEastOfGMT )");
    // Taken in 64 bits: past the report, a 32-bit difference would overflow.
    return static_cast<int32>(int64{secondsEastOfGMT} - t.secondsEastOfGMT);
}

// In seconds the count fits 64 bits with room to spare for every record (a
// 32-bit day count, a time of day, a 32-bit zone offset). In microseconds it
// does not from the year 294247 on, and such moments read as the largest
// count.
int64 DateTimeRecord::MicrosecondsSince1970() const {
    constexpr int64 secondsPerDay = 86'400;
    constexpr int64 microsecondsPerSecond = 1'000'000;
    const int64 days = int64{date.AbsoluteDay()} - AbsoluteDayOf1970();
    const int64 seconds =
        days * secondsPerDay + time.SecondsSinceMidnight() - zone.SecondsEastOfGMT();
    if (!CanMultiply(seconds, microsecondsPerSecond)) {
        return std::numeric_limits<int64>::max();
    }
    return seconds * microsecondsPerSecond;
}
