#include "platform/codepage/Utf8Codec.h"

#include <cstdint>
#include <cstring>

namespace Utf8Codec {

namespace {

constexpr char16_t Replacement = 0xFFFD;

// The range a lead byte allows for its first continuation byte; stricter than
// 80..BF where that excludes overlong forms, surrogates and values beyond
// U+10FFFF.
struct Lead {
    int continuations;
    unsigned char low;
    unsigned char high;
    std::uint32_t bits;
};

bool ReadLead(unsigned char byte, Lead& lead) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        lead = {1, 0x80, 0xBF, byte & 0x1Fu};
    } else if (byte == 0xE0) {
        lead = {2, 0xA0, 0xBF, 0};
    } else if (byte == 0xED) {
        lead = {2, 0x80, 0x9F, 0x0D};
    } else if (byte >= 0xE1 && byte <= 0xEF) {
        lead = {2, 0x80, 0xBF, byte & 0x0Fu};
    } else if (byte == 0xF0) {
        lead = {3, 0x90, 0xBF, 0};
    } else if (byte >= 0xF1 && byte <= 0xF3) {
        lead = {3, 0x80, 0xBF, byte & 0x07u};
    } else if (byte == 0xF4) {
        lead = {3, 0x80, 0x8F, 4};
    } else {
        return false;
    }
    return true;
}

// Where a conversion's units go: counted, or written to memory. Runs of
// ASCII, the bulk of most texts, are handed over whole.
template <class Unit>
struct Count {
    std::size_t units = 0;
    template <class Char>
    void Run(const Char*, std::size_t length) {
        units += length;
    }
    void operator()(Unit) { ++units; }
};

template <class Unit>
struct Write {
    Unit* out;
    template <class Char>
    void Run(const Char* run, std::size_t length) {
        for (std::size_t k = 0; k < length; ++k) {
            out[k] = static_cast<Unit>(run[k]);
        }
        out += length;
    }
    void operator()(Unit unit) { *out++ = unit; }
};

// Decodes `text` into `sink` as UTF-16; returns false if anything had to be
// replaced.
template <class Sink>
bool DecodeUtf8(std::string_view text, Sink& emit) {
    bool clean = true;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        // A run of ASCII, found eight bytes at a time.
        std::size_t end = i;
        for (std::uint64_t eight = 0; size - end >= sizeof eight; end += sizeof eight) {
            std::memcpy(&eight, bytes + end, sizeof eight);
            if ((eight & 0x8080808080808080u) != 0) {
                break;
            }
        }
        while (end < size && bytes[end] < 0x80) {
            ++end;
        }
        if (end > i) {
            emit.Run(bytes + i, end - i);
            i = end;
            continue;
        }
        const unsigned char byte = bytes[i];
        Lead lead{};
        if (!ReadLead(byte, lead)) {
            emit(Replacement);
            clean = false;
            ++i;
            continue;
        }
        std::uint32_t code = lead.bits;
        std::size_t next = i + 1;
        bool complete = true;
        for (int k = 0; k < lead.continuations; ++k, ++next) {
            const unsigned char low = k == 0 ? lead.low : 0x80;
            const unsigned char high = k == 0 ? lead.high : 0xBF;
            if (next >= size || bytes[next] < low || bytes[next] > high) {
                complete = false;
                break;
            }
            code = (code << 6) | (bytes[next] & 0x3Fu);
        }
        if (!complete) {
            emit(Replacement);
            clean = false;
        } else if (code < 0x10000) {
            emit(static_cast<char16_t>(code));
        } else {
            code -= 0x10000;
            emit(static_cast<char16_t>(0xD800 + (code >> 10)));
            emit(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        }
        i = next;
    }
    return clean;
}

// Encodes `text` into `sink` as UTF-8; returns false if an unpaired
// surrogate had to be replaced.
template <class Sink>
bool EncodeUtf8(std::u16string_view text, Sink& emit) {
    bool clean = true;
    const char16_t* units = text.data();
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A run of ASCII, found four units at a time.
        std::size_t end = i;
        for (std::uint64_t four = 0; text.size() - end >= 4; end += 4) {
            std::memcpy(&four, units + end, sizeof four);
            if ((four & 0xFF80FF80FF80FF80u) != 0) {
                break;
            }
        }
        while (end < text.size() && units[end] < 0x80) {
            ++end;
        }
        if (end > i) {
            emit.Run(units + i, end - i);
            i = end - 1;
            continue;
        }
        std::uint32_t code = units[i];
        if (code >= 0xD800 && code <= 0xDFFF) {
            if (code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
                ++i;
            } else {
                code = Replacement;
                clean = false;
            }
        }
        if (code < 0x800) {
            emit(static_cast<char>(0xC0 | (code >> 6)));
        } else if (code < 0x10000) {
            emit(static_cast<char>(0xE0 | (code >> 12)));
            emit(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        } else {
            emit(static_cast<char>(0xF0 | (code >> 18)));
            emit(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            emit(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        }
        emit(static_cast<char>(0x80 | (code & 0x3F)));
    }
    return clean;
}

} // namespace

// Both directions measure first and then write into memory sized for the
// result: texts may be tens of megabytes, and growing a string unit by unit
// costs far more than a second pass.

std::size_t FirstInvalid(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        Lead lead{};
        if (!ReadLead(bytes[i], lead)) {
            return i;
        }
        for (int k = 0; k < lead.continuations; ++k) {
            const std::size_t next = i + 1 + static_cast<std::size_t>(k);
            const unsigned char low = k == 0 ? lead.low : 0x80;
            const unsigned char high = k == 0 ? lead.high : 0xBF;
            if (next >= size || bytes[next] < low || bytes[next] > high) {
                return i;
            }
        }
        i += 1 + static_cast<std::size_t>(lead.continuations);
    }
    return std::string_view::npos;
}

bool AppendUtf16(std::string_view text, std::u16string& out) {
    const auto [units, clean] = MeasureUtf16(text);
    const std::size_t start = out.size();
    out.resize(start + units);
    WriteUtf16(text, out.data() + start);
    return clean;
}

Utf16Measure MeasureUtf16(std::string_view text) {
    Count<char16_t> count;
    const bool clean = DecodeUtf8(text, count);
    return {count.units, clean};
}

void WriteUtf16(std::string_view text, char16_t* out) {
    Write<char16_t> write{out};
    DecodeUtf8(text, write);
}

bool AppendUtf8(std::u16string_view text, std::string& out) {
    const auto [bytes, clean] = MeasureUtf8(text);
    const std::size_t start = out.size();
    out.resize(start + bytes);
    WriteUtf8(text, out.data() + start);
    return clean;
}

Utf8Measure MeasureUtf8(std::u16string_view text) {
    Count<char> count;
    const bool clean = EncodeUtf8(text, count);
    return {count.units, clean};
}

void WriteUtf8(std::u16string_view text, char* out) {
    Write<char> write{out};
    EncodeUtf8(text, write);
}

} // namespace Utf8Codec
