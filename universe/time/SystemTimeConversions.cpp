#include "universe/time/SystemTimeConversions.h"

#include "universe/exceptions/Assertion.h"
#include "universe/exceptions/GetWindowsTimeZoneInfoFailed.h"
#include "universe/integers/Overflow.h"

DateRecord DateFromSystemTime(const SYSTEMTIME& t) {
    ASSERT_REPORTING(Valid(Month(t.wMonth)), "Valid( Month( t.wMonth ) )");
    return DateRecord(Asuint8(uint16{t.wDay}), Month(t.wMonth), t.wYear);
}

TimeOfDay TimeOfDayFromSystemTime(const SYSTEMTIME& t) {
    return TimeOfDay(Asuint8(uint16{t.wHour}), Asuint8(uint16{t.wMinute}),
                     Asuint8(uint16{t.wSecond}));
}

TimeZone TimeZoneFromInformation(DWORD zoneId, const TIME_ZONE_INFORMATION& info) {
    int64 bias = info.Bias;
    if (zoneId == TIME_ZONE_ID_DAYLIGHT && info.DaylightDate.wMonth != 0 &&
        info.DaylightBias != 0) {
        bias += info.DaylightBias;
    } else if (zoneId == TIME_ZONE_ID_STANDARD && info.StandardDate.wMonth != 0 &&
               info.StandardBias != 0) {
        bias += info.StandardBias;
    }
    return TimeZone(Asint32(-bias * 60));
}

TimeZone CurrentTimeZone() {
    TIME_ZONE_INFORMATION info{};
    const DWORD zoneId = GetTimeZoneInformation(&info);
    if (zoneId == TIME_ZONE_ID_INVALID) {
        throw GetWindowsTimeZoneInfoFailed();
    }
    return TimeZoneFromInformation(zoneId, info);
}

DateTimeRecord CurrentDateTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return DateTimeRecord{DateFromSystemTime(now), TimeOfDayFromSystemTime(now), CurrentTimeZone()};
}
