// The current local date, time and zone as the platform reports them.
#pragma once

#include "universe/time/DateTimeRecord.h"

#include <windows.h>

DateRecord DateFromSystemTime(const SYSTEMTIME& t);
TimeOfDay TimeOfDayFromSystemTime(const SYSTEMTIME& t);

// The zone in force as GetTimeZoneInformation describes it: its bias, plus
// the daylight or standard bias when that regime is in force and has a rule.
TimeZone TimeZoneFromInformation(DWORD zoneId, const TIME_ZONE_INFORMATION& info);

// Throws GetWindowsTimeZoneInfoFailed when the platform cannot say.
TimeZone CurrentTimeZone();

// Milliseconds are dropped.
DateTimeRecord CurrentDateTime();
