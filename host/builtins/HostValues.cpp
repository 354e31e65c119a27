#include "host/builtins/HostValues.h"

#include <limits>
#include <stdexcept>

namespace veritor::host {

string_value MakeString(std::string_view text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("string longer than 4 GiB");
    }
    auto length = static_cast<std::uint32_t>(text.size());
    auto* block = static_cast<char*>(Allocate_Inspector_Memory(length));
    if (length != 0) {
        std::memcpy(block, text.data(), length);
    }
    return string_value{block, length};
}

} // namespace veritor::host
