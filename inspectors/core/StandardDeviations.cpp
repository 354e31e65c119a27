// "standard deviation" (population form) of floating-point numbers and of
// integers: the square root of the mean of the squares less the square of
// the mean. Sums and means are the host's arithmetic; the last step is ours,
// and the status flags it raises join those of the two means in the result.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"
#include "inspectors/core/FloatingPointStatus.h"

#include <cfenv>
#include <cmath>

namespace {

// The operands are read and the result written through volatile objects so
// that the arithmetic stays between clearing and reading the status flags.
// Rounding may make the difference negative for nearly equal elements; it is
// not clamped, so the root is not a number and raises invalid operation.
struct Deviation {
    double value;
    uint32 flags;
};

Deviation DeviationOf(double meanOfSquares, double mean) {
    volatile double squares = meanOfSquares;
    volatile double average = mean;
    FloatingPointStatus::Clear();
    volatile double difference = squares - average * average;
    volatile double root = std::sqrt(difference);
    // Not every C library's square root raises the flag itself (mingw-w64's
    // does not); the comparison is a quiet one, so a NaN raises nothing here.
    if (std::isless(difference, 0.0)) {
        std::feraiseexcept(FE_INVALID);
    }
    const uint32 flags = FloatingPointStatus::Raised();
    return Deviation{root, flags};
}

class DeviationState {
public:
    floating_point Begin() {
        sumOfSquares = floating_point();
        sum = floating_point();
        count = integer(0);
        throw NoSuchObject();
    }
    floating_point BeginAlt() { throw NoSuchObject(); }

    floating_point Add(const floating_point& element) {
        sumOfSquares = sumOfSquares + element * element;
        sum = sum + element;
        count = count + integer(1);
        throw NoSuchObject();
    }
    floating_point Add(const integer& element) { return Add(asFloatingPoint(element)); }
    floating_point AddAlt(const floating_point& /*element*/) { throw NoSuchObject(); }
    floating_point AddAlt(const integer& /*element*/) { throw NoSuchObject(); }

    floating_point Finish() {
        const floating_point mean = sum / count;
        const floating_point meanOfSquares = sumOfSquares / count;
        const Deviation deviation = DeviationOf(meanOfSquares.Number(), mean.Number());
        return floating_point(deviation.value, mean.Second(),
                              mean.Flags() | meanOfSquares.Flags() | deviation.flags);
    }
    floating_point FinishAlt() { throw NoSuchObject(); }

private:
    floating_point sumOfSquares;
    floating_point sum;
    integer count;
};
static_assert(sizeof(DeviationState) == 48);

AggregatePropertyRegistration<DeviationState, floating_point, floating_point>
    deviationOfFloatingPoints("standard deviation", "standard deviations", "",
                              FloatingPointTypeName(), FloatingPointTypeName(), InspectorHook);

AggregatePropertyRegistration<DeviationState, floating_point, integer>
    deviationOfIntegers("standard deviation", "standard deviations", "", IntegerTypeName(),
                        FloatingPointTypeName(), InspectorHook);

} // namespace
