// libFuzzer target: the code-page conversions in both directions, against
// glibc's iconv for valid text.
//
// Properties checked (any breach aborts):
// - measuring (no buffer) and converting agree, a buffer one short fails with
//   ERROR_INSUFFICIENT_BUFFER, and nothing is written past the result;
// - every code page, and a zero-terminated input (length -1), convert exactly
//   as CP_UTF8 does the text seen (with length -1: up to and with the first
//   zero) with its length given;
// - only empty text (ERROR_INVALID_PARAMETER), or with ..._ERR_INVALID_CHARS
//   text iconv refuses (ERROR_NO_UNICODE_TRANSLATION), fails;
// - valid text converts exactly as iconv converts it;
// - the result is valid text that converts back: to the input when that was
//   valid, else (replacement characters) to text converting to the same
//   result again.
//
// Input layout: byte 0 holds options (bits 0-1: the code page, CP_ACP,
// CP_OEMCP, CP_THREAD_ACP or CP_UTF8; bit 2: the ...ERR_INVALID_CHARS flag;
// bit 3: pass the input zero-terminated, length -1; bit 4: the input is
// UTF-16LE code units to convert to multi-byte text, otherwise multi-byte
// text to convert to UTF-16). The remaining bytes are the input.
#include "Check.h"

#include <algorithm>
#include <cstdint>
#include <iconv.h>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>
#include <windows.h>

namespace {

int Windows(UINT page, DWORD flags, const char* in, int length, char16_t* out, int room) {
    return MultiByteToWideChar(page, flags, in, length, out, room);
}

int Windows(UINT page, DWORD flags, const char16_t* in, int length, char* out, int room) {
    return WideCharToMultiByte(page, flags, in, length, out, room, nullptr, nullptr);
}

// Per side of the conversions: the other side, the flag that refuses invalid
// text and iconv's name for the encoding.
template <class In>
using Other = std::conditional_t<sizeof(In) == 1, char16_t, char>;
template <class In>
constexpr DWORD refuseInvalid = sizeof(In) == 1 ? MB_ERR_INVALID_CHARS : WC_ERR_INVALID_CHARS;
template <class In>
constexpr const char* encoding = sizeof(In) == 1 ? "UTF-8" : "UTF-16LE";

template <class Char>
using Text = std::optional<std::basic_string<Char>>;

// What iconv makes of `text`; nothing when it refuses it.
template <class In>
Text<Other<In>> Reference(std::basic_string_view<In> text) {
    // Room for either direction: a UTF-16 unit takes at most three bytes.
    std::basic_string<Other<In>> out(3 * text.size() + 1, 0);
    auto* in = reinterpret_cast<char*>(const_cast<In*>(text.data()));
    auto* next = reinterpret_cast<char*>(out.data());
    std::size_t inLeft = text.size() * sizeof(In), outLeft = out.size() * sizeof(out[0]);
    static const iconv_t converter = iconv_open(encoding<Other<In>>, encoding<In>);
    const bool refused = iconv(converter, &in, &inLeft, &next, &outLeft) == static_cast<size_t>(-1);
    out.resize(out.size() - outLeft / sizeof(out[0]));
    return refused ? std::nullopt : Text<Other<In>>(out);
}

// Converts `text` (up to its first zero when `terminated`, length -1),
// checking the sizes; nothing, with the last error set, when it fails.
template <class In>
Text<Other<In>> Convert(std::basic_string_view<In> text, DWORD flags, UINT page = CP_UTF8,
                        bool terminated = false) {
    const int length = terminated ? -1 : static_cast<int>(text.size());
    SetLastError(0);
    const int needed = Windows(page, flags, text.data(), length, nullptr, 0);
    if (needed == 0) {
        return std::nullopt;
    }
    // Canary units past the room given show any write beyond it.
    std::basic_string<Other<In>> out(needed + 4, 0x5A);
    // A buffer one short is refused.
    CHECK(needed == 1 || (Windows(page, flags, text.data(), length, out.data(), needed - 1) == 0 &&
                          GetLastError() == ERROR_INSUFFICIENT_BUFFER));
    // Converting gives the measured size and writes nothing past it.
    CHECK(Windows(page, flags, text.data(), length, out.data(), needed + 1) == needed &&
          out.find_first_not_of(0x5A, needed) == out.npos);
    out.resize(needed);
    return out;
}

// Converts the input as the options select, then checks the result.
template <class In>
void Check(unsigned options, std::string_view bytes) {
    static constexpr UINT pages[] = {CP_ACP, CP_OEMCP, CP_THREAD_ACP, CP_UTF8};
    const DWORD flags = (options & 4) != 0 ? refuseInvalid<In> : 0;
    const bool terminated = (options & 8) != 0;
    // Exactly the input's units (UTF-16LE in the host's order), and a zero
    // when it goes in zero-terminated, so that the sanitizers see any read
    // past them.
    std::vector<In> units(bytes.size() / sizeof(In) + (terminated ? 1 : 0));
    std::copy_n(bytes.data(), bytes.size() / sizeof(In) * sizeof(In),
                reinterpret_cast<char*>(units.data()));
    const std::basic_string<In> seen(
        units.begin(), terminated ? std::find(units.begin(), units.end(), In{0}) + 1 : units.end());
    const auto converted =
        Convert<In>({units.data(), units.size()}, flags, pages[options & 3], terminated);
    const DWORD error = GetLastError();
    // Every code page, and length -1, convert as CP_UTF8 the text seen.
    CHECK(converted == Convert<In>(seen, flags));
    const auto valid = Reference<In>(seen);
    if (!converted) {
        // Only empty text, or invalid text with the flag, fails, and says why.
        CHECK(seen.empty() ? error == ERROR_INVALID_PARAMETER
                           : !valid && flags != 0 && error == ERROR_NO_UNICODE_TRANSLATION);
        return;
    }
    // Valid text converts as iconv converts it.
    CHECK(valid ? converted == valid : flags == 0);
    const auto back = Convert<Other<In>>(*converted, refuseInvalid<Other<In>>);
    // The result converts back.
    CHECK(back && (valid ? back == seen : Convert<In>(*back, 0) == converted));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    (data[0] & 16) == 0 ? Check<char>(data[0], input) : Check<char16_t>(data[0], input);
    return 0;
}
