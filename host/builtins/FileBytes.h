// The bytes of files and of standard input, as the "file" property reads
// them: unchanged, whatever they hold.
#pragma once

#include "frame/VeritorInterface.h"

#include <cstdint>
#include <string_view>

namespace veritor::host {

// The bytes of the file named by `path` (UTF-8), or of standard input for
// "-". A file's bytes are read once, straight into inspector memory.
// Standard input is read once per process, at its first use, and every use
// gets those same bytes. Throws std::runtime_error naming the path and the
// reason when it cannot be read or holds more than `limit` bytes.
string_value ReadFileBytes(std::string_view path, std::uint64_t limit);

} // namespace veritor::host
