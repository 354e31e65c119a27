// Reading and making the host's own values inside callbacks.
#pragma once

#include "frame/VeritorInterface.h"

#include <cstring>
#include <string_view>

namespace veritor::host {

inline std::string_view View(const string_value& value) {
    return value.length == 0 ? std::string_view() : std::string_view(value.start, value.length);
}

// A string whose bytes are copied into inspector memory.
string_value MakeString(std::string_view text);

} // namespace veritor::host
