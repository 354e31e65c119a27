#include "platform/time/ZoneRules.h"

#include <array>
#include <cstring>
#include <optional>

namespace platform {
namespace {

constexpr std::time_t secondsPerDay = 86400;

struct Sample {
    bool daylight;
    long offset; // seconds east of UTC
};

std::optional<Sample> SampleAt(std::time_t t) {
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return std::nullopt;
    }
    return Sample{local.tm_isdst > 0, local.tm_gmtoff};
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// A transition instant expressed as Windows expresses a yearly rule: the
// local wall-clock time of the regime that ends there, and the weekday's
// occurrence within the month (5 for the last one).
SYSTEMTIME RuleFor(std::time_t transition, long offsetBefore) {
    const std::time_t wall = transition + offsetBefore;
    std::tm t{};
    gmtime_r(&wall, &t);
    const int year = t.tm_year + 1900;
    const int month = t.tm_mon + 1;
    const bool last = t.tm_mday + 7 > DaysInMonth(year, month);
    SYSTEMTIME rule{};
    rule.wYear = 0;
    rule.wMonth = static_cast<WORD>(month);
    rule.wDayOfWeek = static_cast<WORD>(t.tm_wday);
    rule.wDay = static_cast<WORD>(last ? 5 : (t.tm_mday - 1) / 7 + 1);
    rule.wHour = static_cast<WORD>(t.tm_hour);
    rule.wMinute = static_cast<WORD>(t.tm_min);
    rule.wSecond = static_cast<WORD>(t.tm_sec);
    return rule;
}

// The first second at which the regime differs from the one at `before`,
// knowing that it differs at `after`.
std::time_t TransitionBetween(std::time_t before, std::time_t after) {
    const bool daylightBefore = SampleAt(before)->daylight;
    while (after - before > 1) {
        const std::time_t middle = before + (after - before) / 2;
        const auto s = SampleAt(middle);
        if (s && s->daylight == daylightBefore) {
            before = middle;
        } else {
            after = middle;
        }
    }
    return after;
}

void CopyName(WCHAR (&to)[32], const char* from) {
    std::memset(to, 0, sizeof to);
    for (std::size_t i = 0; from != nullptr && from[i] != 0 && i + 1 < std::size(to); ++i) {
        to[i] = static_cast<unsigned char>(from[i]);
    }
}

} // namespace

DWORD ZoneInformationAt(std::time_t now, TIME_ZONE_INFORMATION& info) {
    tzset();
    info = TIME_ZONE_INFORMATION{};
    const auto current = SampleAt(now);
    std::tm nowLocal{};
    if (!current || localtime_r(&now, &nowLocal) == nullptr) {
        return TIME_ZONE_ID_INVALID;
    }
    CopyName(info.StandardName, tzname[0]);
    CopyName(info.DaylightName, tzname[1]);

    // Walk the year a day at a time; each change of regime between two
    // samples is then narrowed down to the second.
    std::tm january{};
    january.tm_year = nowLocal.tm_year;
    january.tm_mday = 1;
    const std::time_t yearStart = timegm(&january);
    std::optional<Sample> standard;
    std::optional<Sample> daylight;
    std::optional<std::time_t> toDaylight;
    std::optional<std::time_t> toStandard;
    std::optional<Sample> previous;
    std::time_t previousTime = yearStart;
    for (int day = 0; day <= 366; ++day) {
        const std::time_t t = yearStart + day * secondsPerDay;
        const auto s = SampleAt(t);
        if (!s) {
            continue;
        }
        (s->daylight ? daylight : standard) = s;
        if (previous && previous->daylight != s->daylight) {
            (s->daylight ? toDaylight : toStandard) = TransitionBetween(previousTime, t);
        }
        previous = s;
        previousTime = t;
    }

    if (!daylight || !standard || !toDaylight || !toStandard) {
        info.Bias = static_cast<LONG>(-current->offset / 60);
        return TIME_ZONE_ID_UNKNOWN;
    }
    if (!current->daylight) {
        standard = current;
    }
    info.Bias = static_cast<LONG>(-standard->offset / 60);
    info.StandardBias = 0;
    info.DaylightBias = static_cast<LONG>(-(daylight->offset - standard->offset) / 60);
    info.DaylightDate = RuleFor(*toDaylight, standard->offset);
    info.StandardDate = RuleFor(*toStandard, daylight->offset);
    return current->daylight ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

} // namespace platform

DWORD WINAPI GetTimeZoneInformation(LPTIME_ZONE_INFORMATION lpTimeZoneInformation) {
    if (lpTimeZoneInformation == nullptr) {
        return TIME_ZONE_ID_INVALID;
    }
    return platform::ZoneInformationAt(std::time(nullptr), *lpTimeZoneInformation);
}
