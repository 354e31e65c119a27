#include "inspectors/core/FloatingPointStatus.h"

#include "frame/VeritorInterface.h"

#include <cfenv>

namespace FloatingPointStatus {

namespace {

struct FlagPair {
    int environment;
    uint32 host;
};

constexpr FlagPair flags[] = {
    {FE_INEXACT, FloatingPointInexact},   {FE_UNDERFLOW, FloatingPointUnderflow},
    {FE_OVERFLOW, FloatingPointOverflow}, {FE_DIVBYZERO, FloatingPointDivisionByZero},
    {FE_INVALID, FloatingPointInvalid},
};

} // namespace

void Clear() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

uint32 Raised() {
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    uint32 result = 0;
    for (const FlagPair& flag : flags) {
        if ((raised & flag.environment) != 0) {
            result |= flag.host;
        }
    }
    return result;
}

} // namespace FloatingPointStatus
