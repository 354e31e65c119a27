#include "host/builtins/StringJoin.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace veritor::host {

string_value JoinStrings(std::span<const string_value* const> pieces) {
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t total = 0;
    for (const string_value* piece : pieces) {
        total += piece->length;
        if (total > limit) {
            throw std::length_error("string longer than 4 GiB");
        }
    }
    auto length = static_cast<std::uint32_t>(total);
    auto* block = static_cast<char*>(Allocate_Inspector_Memory(length));
    char* end = block;
    for (const string_value* piece : pieces) {
        if (piece->length != 0) {
            std::memcpy(end, piece->start, piece->length);
            end += piece->length;
        }
    }
    return string_value{block, length};
}

} // namespace veritor::host
