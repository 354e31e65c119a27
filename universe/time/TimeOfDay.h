// A time of day to the second.
#pragma once

#include "universe/buffers/ConstDataOfCapacity.h"
#include "universe/integers/IntegerTypes.h"

class TimeOfDay {
public:
    TimeOfDay() = default;
    TimeOfDay(uint8 theHour, uint8 theMinute, uint8 theSecond);

    uint8 Hour() const { return hour; }
    uint8 Minute() const { return minute; }
    uint8 Second() const { return second; }
    uint32 SecondsSinceMidnight() const { return hour * 3600u + minute * 60u + second; }

    // "hh:mm:ss"
    ConstDataOfCapacity<8> Text() const;

    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;

private:
    uint8 hour = 0;
    uint8 minute = 0;
    uint8 second = 0;
};
