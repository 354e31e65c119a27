// Conversion of text in a named character encoding to UTF-8 by the system's
// own converters (iconv on POSIX systems, the code pages of Windows).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace TextDecoding {

struct Transcoded {
    enum Status { Done, UnknownEncoding, InvalidBytes } status;
    // For InvalidBytes: where in the input the first byte that is not
    // valid in the encoding (or an incomplete sequence at its end) stands.
    std::size_t offset;
};

// Appends `bytes`, read as the encoding named `encoding` (a name as XML
// declarations write it, in any case), to `out` as UTF-8.
Transcoded AppendUtf8From(std::string_view bytes, const std::string& encoding, std::string& out);

} // namespace TextDecoding
