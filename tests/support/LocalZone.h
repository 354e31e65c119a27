// The local time zone of a test: on POSIX systems a zone with daylight
// saving set through TZ for the test's scope; on Windows the system's zone,
// which a process cannot change for itself.
#pragma once

#include <ctime>

class LocalZone {
public:
    LocalZone();
    ~LocalZone();
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

    // Seconds east of GMT in force at `t`, as the C run time sees it.
    static long OffsetAt(std::time_t t);
};
