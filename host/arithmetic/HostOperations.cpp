// The arithmetic that inspector libraries import from the host.
#include "frame/VeritorInterface.h"
#include "host/arithmetic/FloatingPointArithmetic.h"

using veritor::host::Compute;
using veritor::host::FloatingOperation;

// Wraps around on overflow: libraries use it for counting, where the count
// of elements that fit in memory cannot overflow.
integer operator+(integer a, integer b) {
    return integer(static_cast<std::int64_t>(static_cast<std::uint64_t>(a.Value()) +
                                             static_cast<std::uint64_t>(b.Value())));
}

floating_point operator+(floating_point a, floating_point b) {
    return Compute(FloatingOperation::Add, a, b);
}

floating_point operator*(floating_point a, floating_point b) {
    return Compute(FloatingOperation::Multiply, a, b);
}

floating_point operator/(floating_point a, integer b) {
    return Compute(FloatingOperation::Divide, a, asFloatingPoint(b));
}

floating_point asFloatingPoint(integer a) {
    return veritor::host::FromInteger(a.Value());
}
