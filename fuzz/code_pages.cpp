// libFuzzer target: the code-page conversions in both directions.
//
// Properties checked (any breach aborts):
// - measuring (no buffer) and converting agree, a buffer one short fails with
//   ERROR_INSUFFICIENT_BUFFER, and nothing is written past the result;
// - the ANSI code pages convert exactly as CP_UTF8;
// - a zero-terminated input (length -1) converts as its text up to and with
//   its first zero;
// - multi-byte text: with MB_ERR_INVALID_CHARS it fails (and only then) when
//   it is not valid UTF-8; the UTF-16 never holds an unpaired surrogate; valid
//   UTF-8 comes back unchanged and takes one unit per code point below
//   U+10000 and two above; replaced text converts back to the same UTF-16;
// - UTF-16: with WC_ERR_INVALID_CHARS it fails (and only then) on an unpaired
//   surrogate; the bytes are always valid UTF-8; text without unpaired
//   surrogates comes back unchanged.
//
// Input layout: byte 0 holds options (bits 0-1: the code page, CP_ACP,
// CP_OEMCP, CP_THREAD_ACP or CP_UTF8; bit 2: the ...ERR_INVALID_CHARS flag;
// bit 3: pass the input zero-terminated, length -1; bit 4: the input is
// UTF-16LE code units to convert to multi-byte text, otherwise multi-byte
// text to convert to UTF-16). The remaining bytes are the input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "code-page conversion broken: %s\n", what);
        std::abort();
    }
}

// UTF-16 units that valid UTF-8 decodes to, or -1 when it is not valid. Kept
// apart from the platform's decoder: this one decodes every sequence by its
// lead byte's form and judges the value afterwards.
long Utf16Length(std::string_view text) {
    static constexpr unsigned char leadMask[] = {0x7F, 0x1F, 0x0F, 0x07};
    static constexpr std::uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    long units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int more = lead < 0x80             ? 0
                         : (lead & 0xE0) == 0xC0 ? 1
                         : (lead & 0xF0) == 0xE0 ? 2
                         : (lead & 0xF8) == 0xF0 ? 3
                                                 : -1;
        if (more < 0 || i + more >= text.size()) {
            return -1;
        }
        std::uint32_t code = lead & leadMask[more];
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return -1;
            }
            code = code << 6 | (next & 0x3F);
        }
        if (code < smallest[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return -1;
        }
        units += code >= 0x10000 ? 2 : 1;
        i += 1 + more;
    }
    return units;
}

bool HasUnpairedSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        } else if (text[i] >= 0xD800 && text[i] <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

// One direction of conversion, as the Windows functions take it.
template <class In, class Out>
struct Direction {
    int (*convert)(UINT, DWORD, const In*, int, Out*, int);
    DWORD errFlag;
};

int MultiByteToWide(UINT page, DWORD flags, const char* in, int length, char16_t* out, int room) {
    return MultiByteToWideChar(page, flags, in, length, out, room);
}

int WideToMultiByte(UINT page, DWORD flags, const char16_t* in, int length, char* out, int room) {
    return WideCharToMultiByte(page, flags, in, length, out, room, nullptr, nullptr);
}

constexpr Direction<char, char16_t> toWide{MultiByteToWide, MB_ERR_INVALID_CHARS};
constexpr Direction<char16_t, char> toMultiByte{WideToMultiByte, WC_ERR_INVALID_CHARS};

struct Converted {
    bool ok;
    DWORD error; // when not ok
};

// Converts `text` (zero-terminated when `length` is -1), checking that
// measuring and converting agree on the size; `out` receives the result.
template <class In, class Out>
Converted Convert(Direction<In, Out> direction, UINT page, DWORD flags, const In* text, int length,
                  std::basic_string<Out>& out) {
    SetLastError(0);
    const int needed = direction.convert(page, flags, text, length, nullptr, 0);
    if (needed == 0) {
        return {false, GetLastError()};
    }
    constexpr int slack = 4;
    const Out canary = static_cast<Out>(0x5A);
    std::basic_string<Out> buffer(needed + slack, canary);
    if (needed > 1) {
        SetLastError(0);
        Require(direction.convert(page, flags, text, length, buffer.data(), needed - 1) == 0 &&
                    GetLastError() == ERROR_INSUFFICIENT_BUFFER,
                "a buffer one short is refused");
        buffer.assign(needed + slack, canary);
    }
    Require(direction.convert(page, flags, text, length, buffer.data(), needed + 1) == needed,
            "converting gives the measured size");
    Require(buffer.find_first_not_of(canary, needed) == buffer.npos,
            "nothing written past the result");
    out = buffer.substr(0, needed);
    return {true, 0};
}

// Converts with every option the input selected, and checks the options
// that must not change the result.
template <class In, class Out>
Converted ConvertAsSelected(Direction<In, Out> direction, unsigned options,
                            std::basic_string_view<In> text, std::basic_string<Out>& out) {
    static constexpr UINT pages[] = {CP_ACP, CP_OEMCP, CP_THREAD_ACP, CP_UTF8};
    const UINT page = pages[options & 3];
    const DWORD flags = (options & 4) != 0 ? direction.errFlag : 0;
    if ((options & 8) == 0) {
        const int length = static_cast<int>(text.size());
        const Converted converted = Convert(direction, page, flags, text.data(), length, out);
        std::basic_string<Out> asUtf8;
        Require(Convert(direction, CP_UTF8, flags, text.data(), length, asUtf8).ok ==
                        converted.ok &&
                    asUtf8 == out,
                "ANSI code pages convert as CP_UTF8");
        return converted;
    }
    const std::basic_string<In> terminated(text);
    const Converted converted = Convert(direction, page, flags, terminated.c_str(), -1, out);
    std::basic_string<Out> explicitly;
    const auto end = static_cast<int>(std::min(terminated.find(In{0}), terminated.size()) + 1);
    Require(Convert(direction, page, flags, terminated.c_str(), end, explicitly).ok ==
                    converted.ok &&
                explicitly == out,
            "length -1 converts up to and with the first zero");
    return converted;
}

// The text a conversion saw: with length -1, up to and with the first zero.
template <class Char>
std::basic_string<Char> Seen(unsigned options, std::basic_string_view<Char> text) {
    if ((options & 8) == 0) {
        return std::basic_string<Char>(text);
    }
    return std::basic_string<Char>(text.substr(0, text.find(Char{0}))).append(1, Char{0});
}

void RequireFailure(Converted converted, bool empty) {
    Require(converted.error == (empty ? ERROR_INVALID_PARAMETER : ERROR_NO_UNICODE_TRANSLATION),
            "a failure says why");
}

void FromMultiByte(unsigned options, std::string_view input) {
    std::u16string wide;
    const Converted converted = ConvertAsSelected(toWide, options, input, wide);
    const std::string text = Seen(options, input);
    const long units = Utf16Length(text);
    if (!converted.ok) {
        Require(text.empty() || (units < 0 && (options & 4) != 0), "valid text converts");
        RequireFailure(converted, text.empty());
        return;
    }
    Require(!HasUnpairedSurrogate(wide), "no unpaired surrogate in the UTF-16");
    std::string back;
    Require(Convert(toMultiByte, CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(),
                    static_cast<int>(wide.size()), back)
                .ok,
            "the UTF-16 converts back");
    if (units >= 0) {
        Require(static_cast<long>(wide.size()) == units, "one unit per code point, two above");
        Require(back == text, "valid UTF-8 comes back unchanged");
    } else {
        std::u16string again;
        Require(Convert(toWide, CP_UTF8, MB_ERR_INVALID_CHARS, back.data(),
                        static_cast<int>(back.size()), again)
                        .ok &&
                    again == wide,
                "replaced text converts back to the same UTF-16");
    }
}

void FromUtf16(unsigned options, std::string_view bytes) {
    std::u16string input(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < input.size(); ++i) {
        input[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    std::string multiByte;
    const Converted converted =
        ConvertAsSelected(toMultiByte, options, std::u16string_view(input), multiByte);
    const std::u16string text = Seen(options, std::u16string_view(input));
    const bool unpaired = HasUnpairedSurrogate(text);
    if (!converted.ok) {
        Require(text.empty() || (unpaired && (options & 4) != 0), "valid text converts");
        RequireFailure(converted, text.empty());
        return;
    }
    Require(Utf16Length(multiByte) >= 0, "the bytes are valid UTF-8");
    if (!unpaired) {
        std::u16string back;
        Require(Convert(toWide, CP_UTF8, MB_ERR_INVALID_CHARS, multiByte.data(),
                        static_cast<int>(multiByte.size()), back)
                        .ok &&
                    back == text,
                "UTF-16 without unpaired surrogates comes back unchanged");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned options = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((options & 16) != 0) {
        FromUtf16(options, input);
    } else {
        FromMultiByte(options, input);
    }
    return 0;
}
