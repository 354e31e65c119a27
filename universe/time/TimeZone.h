// A time zone as its offset from Greenwich.
#pragma once

#include "universe/buffers/ConstDataOfCapacity.h"
#include "universe/integers/IntegerTypes.h"

class TimeZone {
public:
    TimeZone() = default;
    explicit TimeZone(int32 theSecondsEastOfGMT)
        : secondsEastOfGMT(theSecondsEastOfGMT) {}

    int32 SecondsEastOfGMT() const { return secondsEastOfGMT; }

    // How many seconds this zone is ahead of t.
    int32 operator-(TimeZone t) const;

    // "+hhmm" or "-hhmm", in whole minutes.
    ConstDataOfCapacity<5> Text() const;

    friend bool operator==(const TimeZone&, const TimeZone&) = default;

private:
    int32 secondsEastOfGMT = 0;
};
