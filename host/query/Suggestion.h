// What a mistyped name was probably meant to be: the known name fewest edits
// away, when it is close enough for the guess to help rather than mislead.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veritor::host {

// Edits that turn one text into the other: inserting, deleting or replacing
// one byte, or swapping two adjacent bytes (optimal string alignment).
std::size_t EditDistance(std::string_view from, std::string_view to);

// The candidate closest to `written`, if at most max(1, n / 3) edits away
// and fewer than n, where n is the length of `written`: a third of a long
// name may be wrong, one byte of a short one, and a lone letter suggests
// nothing. A candidate equal to `written` is no suggestion; of equally close
// candidates the first one wins.
std::optional<std::string> ClosestName(std::string_view written,
                                       const std::vector<std::string_view>& candidates);

} // namespace veritor::host
