// Concatenating many strings at once. A chain `a & b & c & ...` of the host's
// string concatenation would copy the text so far at every step, which is
// quadratic in the length of the chain; joining copies each byte once.
#pragma once

#include "frame/VeritorInterface.h"

#include <span>

namespace veritor::host {

// Whether the registration object is the host's own string & string.
bool IsStringConcatenation(const void* registrationObject);

// The pieces one after the other, in one block of inspector memory; throws
// std::length_error beyond the length a string can have.
string_value JoinStrings(std::span<const string_value* const> pieces);

} // namespace veritor::host
