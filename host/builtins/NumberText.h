// Numbers to and from text, as the query language writes and reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veritor::host {

std::string FormatInteger(std::int64_t value);

// The shortest text that reads back to the same double; "nan", "inf", "-inf".
std::string FormatNumber(double value);

// The whole text must be the number: an optional '-' and decimal digits that
// fit in 64 bits.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// The whole text must be the number, in decimal or exponent notation (or
// "inf", "nan"); no value when it is out of the range of a double.
std::optional<double> ParseNumber(std::string_view text);

} // namespace veritor::host
