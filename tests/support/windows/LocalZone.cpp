#include "tests/support/LocalZone.h"

LocalZone::LocalZone() = default;
LocalZone::~LocalZone() = default;

long LocalZone::OffsetAt(std::time_t t) {
    std::tm local{};
    localtime_s(&local, &t);
    // The local reading taken as if it were GMT, less the moment itself.
    return static_cast<long>(_mkgmtime(&local) - t);
}
