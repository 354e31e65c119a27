#include "win/time.h"

#include <ctime>

namespace {

constexpr LONGLONG ticksPerSecond = 1000000000;

} // namespace

// The counter ticks in nanoseconds of the monotonic clock, which, like the
// Windows counter, never goes back and does not follow changes of the
// wall-clock time.
BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount) {
    timespec now{};
    if (lpPerformanceCount == nullptr || clock_gettime(CLOCK_MONOTONIC, &now) != 0) {
        return FALSE;
    }
    lpPerformanceCount->QuadPart = static_cast<LONGLONG>(now.tv_sec) * ticksPerSecond + now.tv_nsec;
    return TRUE;
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency) {
    if (lpFrequency == nullptr) {
        return FALSE;
    }
    lpFrequency->QuadPart = ticksPerSecond;
    return TRUE;
}
