#include "universe/exceptions/Assertion.h"
#include "universe/integers/Overflow.h"
#include "universe/time/Calendar.h"
#include "universe/time/DateTimeRecord.h"

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

int64 DateTimeRecord::MicrosecondsSince1970() const {
    constexpr int64 microsecondsPerDay = 86'400'000'000;
    constexpr int64 microsecondsPerSecond = 1'000'000;
    const int64 days = int64{date.AbsoluteDay()} - AbsoluteDayOf1970();
    return days * microsecondsPerDay +
           (int64{time.SecondsSinceMidnight()} - zone.SecondsEastOfGMT()) * microsecondsPerSecond;
}
