#pragma once

#include <string>
#include <string_view>

namespace XslPattern {

// The parts joined into one string. GCC 12 at -O2 reports a false overlap
// (-Wrestrict) in the insert that `"text" + std::string(...)` inlines to;
// appending to a reserved string does not go that way.
template <typename... Parts>
std::string Concat(const Parts&... parts) {
    std::string result;
    result.reserve((std::string_view(parts).size() + ...));
    (result.append(std::string_view(parts)), ...);
    return result;
}

} // namespace XslPattern
