// A moment as a local date and time of day in a given zone.
#pragma once

#include "universe/time/DateRecord.h"
#include "universe/time/TimeOfDay.h"
#include "universe/time/TimeZone.h"

struct DateTimeRecord {
    DateRecord date;
    TimeOfDay time;
    TimeZone zone;

    // "hh:mm:ss +hhmm"
    ConstDataOfCapacity<14> TimeWithZoneText() const;
    // "Sun, 05 Jan 2003 hh:mm:ss +hhmm"
    ConstDataOfCapacity<31> Text() const;

    // Since 1 January 1970 00:00 UTC; negative before it. A moment after
    // the largest signed 64-bit count (in the year 294247) reads as that
    // count.
    int64 MicrosecondsSince1970() const;

    friend bool operator==(const DateTimeRecord&, const DateTimeRecord&) = default;
};
