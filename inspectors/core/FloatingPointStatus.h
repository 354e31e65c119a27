// The processor's floating-point status flags, as the host's "floating point"
// values carry them (inexact 1, underflow 2, overflow 4, division by zero 8,
// invalid operation 16).
#pragma once

#include "universe/integers/IntegerTypes.h"

namespace FloatingPointStatus {

// Lowers all five flags.
void Clear();

// The flags raised since the last Clear, in the host's bits.
uint32 Raised();

} // namespace FloatingPointStatus
