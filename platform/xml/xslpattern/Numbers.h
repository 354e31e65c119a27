#pragma once

// Numbers as XPath writes them, parsed and printed without libxml2's
// globals (its NaN is only set once the library is initialised).

#include <string>
#include <string_view>

namespace XslPattern {

// An optional '-', digits with an optional fraction (or a fraction alone),
// with white space around; anything else is NaN.
double ParseNumber(std::string_view text);

// Integers without a fraction, others in the shortest form that reads back
// the same; "NaN", "Infinity", "-Infinity".
std::string FormatNumber(double number);

} // namespace XslPattern
