// The name a mistyped word most likely meant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veritor::tool {

// The candidate closest to `typed` by edits (insert, delete, replace, or swap
// two neighbours; leading dashes do not count), when it is close enough to
// be what was meant; empty otherwise.
std::string NearestName(std::string_view typed, const std::vector<std::string>& candidates);

} // namespace veritor::tool
