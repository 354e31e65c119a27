// How wide a UTF-8 text shows on a terminal, so that a mark can be put under
// a place in it. Computed from the text alone: the C library's wcwidth would
// depend on the process's locale, and Windows has none.
#pragma once

#include <cstddef>
#include <string_view>

namespace Utf8Codec {

// The columns `text` takes: two for each East Asian wide or fullwidth
// character, none for combining marks, zero-width characters and controls,
// one for any other character and for each ill-formed sequence (shown as one
// replacement character).
std::size_t Columns(std::string_view text);

} // namespace Utf8Codec
