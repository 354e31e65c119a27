// UTF-8 <-> UTF-16 for the platform's own use (code pages, automation strings
// handed to the XML parser). Malformed input is replaced, never refused: each
// maximal ill-formed UTF-8 subsequence and each unpaired surrogate becomes
// U+FFFD, and the caller learns that it happened.
#pragma once

#include <string>
#include <string_view>

namespace Utf8Codec {

// The offset of the first byte of `text` that does not begin a well-formed
// sequence (overlong forms, surrogates and values above U+10FFFF are not),
// or npos: where a conversion would replace.
std::size_t FirstInvalid(std::string_view text);

// Appends the conversion of `text` to `out`; returns false if anything had to
// be replaced.
bool AppendUtf16(std::string_view text, std::u16string& out);
bool AppendUtf8(std::u16string_view text, std::string& out);

// The same conversions in two passes over caller's memory, for texts too
// long to convert into a temporary string first: the number of units the
// result takes (and whether anything had to be replaced), then the units
// themselves into room for that many.
struct Utf16Measure {
    std::size_t units;
    bool clean;
};
Utf16Measure MeasureUtf16(std::string_view text);
void WriteUtf16(std::string_view text, char16_t* out);

struct Utf8Measure {
    std::size_t bytes;
    bool clean;
};
Utf8Measure MeasureUtf8(std::u16string_view text);
void WriteUtf8(std::u16string_view text, char* out);

} // namespace Utf8Codec
