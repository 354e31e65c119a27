#include "tests/support/LocalZone.h"

#include <cstdlib>

LocalZone::LocalZone() {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
}

LocalZone::~LocalZone() {
    unsetenv("TZ");
    tzset();
}

long LocalZone::OffsetAt(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}
