#include "host/arithmetic/FloatingPointArithmetic.h"

#include <algorithm>
#include <cfenv>

namespace veritor::host {

namespace {

constexpr double smallestNormal = 2.2250738585072014e-308;

std::uint32_t RaisedFlags() {
    int raised = std::fetestexcept(FE_ALL_EXCEPT);
    std::uint32_t flags = 0;
    if (raised & FE_INEXACT) {
        flags |= FloatingPointInexact;
    }
    if (raised & FE_UNDERFLOW) {
        flags |= FloatingPointUnderflow;
    }
    if (raised & FE_OVERFLOW) {
        flags |= FloatingPointOverflow;
    }
    if (raised & FE_DIVBYZERO) {
        flags |= FloatingPointDivisionByZero;
    }
    if (raised & FE_INVALID) {
        flags |= FloatingPointInvalid;
    }
    return flags;
}

// The operands go through volatile storage so that the compiler neither
// folds the operation nor moves it away from the flag test.
double Apply(FloatingOperation operation, double left, double right) {
    volatile double a = left;
    volatile double b = right;
    volatile double result = 0.0;
    switch (operation) {
    case FloatingOperation::Add:
        result = a + b;
        break;
    case FloatingOperation::Subtract:
        result = a - b;
        break;
    case FloatingOperation::Multiply:
        result = a * b;
        break;
    case FloatingOperation::Divide:
        result = a / b;
        break;
    }
    return result;
}

} // namespace

floating_point Compute(FloatingOperation operation, floating_point left, floating_point right) {
    std::feclearexcept(FE_ALL_EXCEPT);
    double number = Apply(operation, left.Number(), right.Number());
    std::uint32_t flags = left.Flags() | right.Flags() | RaisedFlags();
    return floating_point(number, std::max(left.Second(), right.Second()), flags);
}

floating_point FromInteger(std::int64_t value) {
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile std::int64_t source = value;
    volatile double number = static_cast<double>(source);
    return floating_point(number, smallestNormal, RaisedFlags());
}

floating_point FromDouble(double number) {
    return floating_point(number, smallestNormal, 0);
}

floating_point Negate(floating_point value) {
    return floating_point(-value.Number(), value.Second(), value.Flags());
}

} // namespace veritor::host
