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

// Decodes `text`, handing each UTF-16 unit to `emit`; returns false if
// anything had to be replaced.
template <class Emit>
bool DecodeUtf8(std::string_view text, Emit&& emit) {
    bool clean = true;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        // Runs of ASCII, the bulk of most texts, eight bytes at a time.
        std::uint64_t eight = 0;
        if (size - i >= sizeof eight) {
            std::memcpy(&eight, bytes + i, sizeof eight);
            if ((eight & 0x8080808080808080u) == 0) {
                for (std::size_t k = 0; k < sizeof eight; ++k) {
                    emit(static_cast<char16_t>(bytes[i + k]));
                }
                i += sizeof eight;
                continue;
            }
        }
        const unsigned char byte = bytes[i];
        if (byte < 0x80) {
            emit(byte);
            ++i;
            continue;
        }
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

} // namespace

bool AppendUtf16(std::string_view text, std::u16string& out) {
    out.reserve(out.size() + text.size());
    return DecodeUtf8(text, [&](char16_t unit) { out.push_back(unit); });
}

Utf16Measure MeasureUtf16(std::string_view text) {
    std::size_t units = 0;
    const bool clean = DecodeUtf8(text, [&](char16_t) { ++units; });
    return {units, clean};
}

void WriteUtf16(std::string_view text, char16_t* out) {
    DecodeUtf8(text, [&](char16_t unit) { *out++ = unit; });
}

bool AppendUtf8(std::u16string_view text, std::string& out) {
    bool clean = true;
    out.reserve(out.size() + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t code = text[i];
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
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return clean;
}

} // namespace Utf8Codec
