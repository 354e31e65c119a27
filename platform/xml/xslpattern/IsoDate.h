#pragma once

// ISO 8601 dates as date() compares them: "YYYY-MM-DD", optionally followed
// by "Thh:mm", ":ss" and ".fraction", and by "Z" or "+hh:mm"/"-hh:mm". A text
// without a zone is taken as UTC; surrounding white space is ignored.

#include <optional>
#include <string_view>

namespace XslPattern {

// Seconds since 1970-01-01T00:00:00Z, or nothing when the text is not such
// a date.
std::optional<double> ParseIsoDate(std::string_view text);

} // namespace XslPattern
