// The time-zone description that GetTimeZoneInformation reports, derived from
// the C library's zone for a given moment rather than for "now", so that the
// derivation can be exercised at chosen instants.
#pragma once

#include "win/time.h"

#include <ctime>

namespace platform {

// Fills `info` with the zone in force at `now` and the yearly daylight rule of
// that year, and answers as GetTimeZoneInformation would.
DWORD ZoneInformationAt(std::time_t now, TIME_ZONE_INFORMATION& info);

} // namespace platform
