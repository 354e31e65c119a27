#include "platform/codepage/XmlEncoding.h"

#include "platform/codepage/Transcode.h"
#include "platform/codepage/Utf8Codec.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace TextDecoding {

namespace {

struct Wide {
    unsigned unit; // bytes per code unit: 2 or 4
    bool bigEndian;
    const char* name;
};

constexpr Wide Utf16Be{2, true, "UTF-16BE"};
constexpr Wide Utf16Le{2, false, "UTF-16LE"};
constexpr Wide Utf32Be{4, true, "UTF-32BE"};
constexpr Wide Utf32Le{4, false, "UTF-32LE"};

// A byte-order mark or, without one, "<?xml" seen in the first four bytes.
struct Signature {
    std::string_view bytes;
    std::size_t skipped;
    std::optional<Wide> wide; // none: UTF-8 (the mark) or 8-bit text
    bool utf8Mark;
};

// UTF-32 marks first: FF FE 00 00 also starts with UTF-16's little-endian mark.
const std::array<Signature, 9> Signatures{{
    {{"\x00\x00\xFE\xFF", 4}, 4, Utf32Be, false},
    {{"\xFF\xFE\x00\x00", 4}, 4, Utf32Le, false},
    {"\xEF\xBB\xBF", 3, std::nullopt, true},
    {"\xFE\xFF", 2, Utf16Be, false},
    {"\xFF\xFE", 2, Utf16Le, false},
    {{"\x00\x00\x00\x3C", 4}, 0, Utf32Be, false},
    {{"\x3C\x00\x00\x00", 4}, 0, Utf32Le, false},
    {{"\x00\x3C\x00\x3F", 4}, 0, Utf16Be, false},
    {{"\x3C\x00\x3F\x00", 4}, 0, Utf16Le, false},
}};

std::string Hex(unsigned char byte) {
    constexpr char Digits[] = "0123456789ABCDEF";
    return std::string("0x") + Digits[byte >> 4] + Digits[byte & 15];
}

std::string Invalid(std::string_view name, std::string_view bytes, std::size_t offset) {
    std::string failure = "not valid ";
    failure.append(name).append(": ");
    if (offset >= bytes.size()) {
        return failure.append("the text ends inside a character, at offset ")
            .append(std::to_string(bytes.size()));
    }
    return failure.append("byte " + Hex(static_cast<unsigned char>(bytes[offset])))
        .append(" at offset " + std::to_string(offset));
}

XmlText Refused(std::string failure) {
    XmlText result;
    result.failure = std::move(failure);
    return result;
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::uint32_t UnitAt(std::string_view bytes, std::size_t at, const Wide& wide) {
    std::uint32_t unit = 0;
    for (unsigned i = 0; i < wide.unit; ++i) {
        const auto byte =
            static_cast<unsigned char>(bytes[at + (wide.bigEndian ? i : wide.unit - 1 - i)]);
        unit = (unit << 8) | byte;
    }
    return unit;
}

bool IsSurrogate(std::uint32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// UTF-16 or UTF-32 from `from` on; an unpaired surrogate, a value beyond
// U+10FFFF or a cut-off unit is reported at the offset of its unit.
XmlText DecodeWide(std::string_view bytes, std::size_t from, const Wide& wide) {
    XmlText result;
    result.converted = true;
    result.text.reserve((bytes.size() - from) / wide.unit);
    std::size_t at = from;
    for (; at + wide.unit <= bytes.size(); at += wide.unit) {
        std::uint32_t c = UnitAt(bytes, at, wide);
        if (wide.unit == 2 && c >= 0xD800 && c <= 0xDBFF && at + 4 <= bytes.size()) {
            const std::uint32_t low = UnitAt(bytes, at + 2, wide);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00), result.text);
                at += 2;
                continue;
            }
        }
        if (IsSurrogate(c) || c > 0x10FFFF) {
            return Refused(Invalid(wide.name, bytes, at));
        }
        AppendUtf8(c, result.text);
    }
    if (at != bytes.size()) {
        return Refused(Invalid(wide.name, bytes, bytes.size()));
    }
    return result;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesAlike(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool StartsAlike(std::string_view name, std::string_view start) {
    return name.size() >= start.size() && NamesAlike(name.substr(0, start.size()), start);
}

// The encoding that the XML declaration at the start of 8-bit `text` names,
// or none (no declaration, or none that can be read: the parser judges it).
std::optional<std::string_view> DeclaredEncoding(std::string_view text) {
    constexpr std::string_view Opening = "<?xml";
    if (!text.starts_with(Opening) || text.size() == Opening.size() ||
        !IsSpace(text[Opening.size()])) {
        return std::nullopt;
    }
    std::size_t at = Opening.size();
    for (;;) {
        while (at < text.size() && IsSpace(text[at])) {
            ++at;
        }
        const std::size_t name = at;
        while (at < text.size() && ((text[at] >= 'a' && text[at] <= 'z'))) {
            ++at;
        }
        const std::string_view pseudo = text.substr(name, at - name);
        while (at < text.size() && IsSpace(text[at])) {
            ++at;
        }
        if (pseudo.empty() || at >= text.size() || text[at] != '=') {
            return std::nullopt;
        }
        ++at;
        while (at < text.size() && IsSpace(text[at])) {
            ++at;
        }
        if (at >= text.size() || (text[at] != '"' && text[at] != '\'')) {
            return std::nullopt;
        }
        const std::size_t close = text.find(text[at], at + 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        if (pseudo == "encoding") {
            return text.substr(at + 1, close - at - 1);
        }
        at = close + 1;
    }
}

// An encoding name as XML writes it: a letter, then letters, digits, '.',
// '_' and '-'.
bool IsEncodingName(std::string_view name) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (name.empty() || !letter(name.front())) {
        return false;
    }
    for (char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '.' && c != '_' && c != '-') {
            return false;
        }
    }
    return true;
}

XmlText AsUtf8(std::string_view bytes, std::size_t skipped) {
    XmlText result;
    result.skipped = skipped;
    const std::size_t bad = Utf8Codec::FirstInvalid(bytes.substr(skipped));
    if (bad != std::string_view::npos) {
        result.failure = Invalid("UTF-8", bytes, skipped + bad);
    }
    return result;
}

} // namespace

XmlText DecodeXml(std::string_view bytes) {
    for (const Signature& signature : Signatures) {
        if (!bytes.starts_with(signature.bytes)) {
            continue;
        }
        if (signature.utf8Mark) {
            return AsUtf8(bytes, signature.skipped);
        }
        return DecodeWide(bytes, signature.skipped, *signature.wide);
    }
    const std::optional<std::string_view> declared = DeclaredEncoding(bytes);
    if (!declared || NamesAlike(*declared, "UTF-8")) {
        return AsUtf8(bytes, 0);
    }
    XmlText result;
    const std::string name(*declared);
    if (!IsEncodingName(name)) {
        result.failure = "the XML declaration names no encoding";
        return result;
    }
    // Text that names a 16- or 32-bit encoding but shows neither a mark nor
    // the pattern of one cannot be in it.
    for (std::string_view wide : {"UTF-16", "UTF-32", "UCS-2", "UCS-4", "ISO-10646-UCS"}) {
        if (StartsAlike(name, wide)) {
            result.failure = "not valid " + name + ": the text starts in 8-bit characters";
            return result;
        }
    }
    result.converted = true;
    const Transcoded transcoded = AppendUtf8From(bytes, name, result.text);
    if (transcoded.status == Transcoded::UnknownEncoding) {
        result.failure = "unknown encoding \"" + name + "\"";
    } else if (transcoded.status == Transcoded::InvalidBytes) {
        result.failure = Invalid(name, bytes, transcoded.offset);
    }
    return result;
}

} // namespace TextDecoding
