// Arithmetic on "floating point" values: IEEE double arithmetic whose status
// flags are collected into the result together with the operands' flags. The
// second double is carried along as the larger of the operands'.
#pragma once

#include "frame/VeritorInterface.h"

namespace veritor::host {

enum class FloatingOperation { Add, Subtract, Multiply, Divide };

floating_point Compute(FloatingOperation operation, floating_point left, floating_point right);

// A double with the flags its conversion from an integer raised.
floating_point FromInteger(std::int64_t value);

// A value that was read or written without arithmetic (literals, parsed text).
floating_point FromDouble(double number);

floating_point Negate(floating_point value);

} // namespace veritor::host
