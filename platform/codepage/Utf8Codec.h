// UTF-8 <-> UTF-16 for the platform's own use (code pages, automation strings
// handed to the XML parser). Malformed input is replaced, never refused: each
// maximal ill-formed UTF-8 subsequence and each unpaired surrogate becomes
// U+FFFD, and the caller learns that it happened.
#pragma once

#include <string>
#include <string_view>

namespace Utf8Codec {

// Appends the conversion of `text` to `out`; returns false if anything had to
// be replaced.
bool AppendUtf16(std::string_view text, std::u16string& out);
bool AppendUtf8(std::u16string_view text, std::string& out);

} // namespace Utf8Codec
