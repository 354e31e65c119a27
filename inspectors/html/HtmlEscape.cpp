#include "inspectors/html/HtmlEscape.h"

#include "frame/InspectorMemory.h"
#include "inspectors/html/Html.h"
#include "universe/buffers/BufferExceptions.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

struct Replacement {
    char text[8];  // padded to 8 bytes, so that one store writes any of them
    uint32 length; // 0 for a byte that stays as it is
};

// The four markup characters all lie below 64.
constexpr std::array<Replacement, 64> replacements = [] {
    std::array<Replacement, 64> table{};
    table['&'] = {"&amp;", 5};
    table['<'] = {"&lt;", 4};
    table['>'] = {"&gt;", 4};
    table['"'] = {"&quot;", 6};
    return table;
}();

uint32 EscapedLengthOf(uint8 byte) {
    return byte < replacements.size() && replacements[byte].length != 0 ? replacements[byte].length
                                                                        : 1;
}

// The plain passes, for whatever the block-wise passes leave.
uint64 PlainEscapedLength(const uint8* at, const uint8* end) {
    uint64 length = 0;
    for (; at != end; ++at) {
        length += EscapedLengthOf(*at);
    }
    return length;
}

uint8* PlainWriteEscaped(const uint8* at, const uint8* end, uint8* out) {
    for (; at != end; ++at) {
        if (EscapedLengthOf(*at) == 1) {
            *out++ = *at;
        } else {
            const Replacement& replacement = replacements[*at];
            std::memcpy(out, replacement.text, replacement.length);
            out += replacement.length;
        }
    }
    return out;
}

#if defined(__SSE2__)

// Finds the markup characters among 16 bytes at a time. The characters come
// in two pairs that differ in one bit each, '<' 0x3C and '>' 0x3E in bit 1,
// '"' 0x22 and '&' 0x26 in bit 2, so two comparisons find all four.
class MarkupBytes {
public:
    // 0xFF for each byte that is a markup character.
    __m128i Any(__m128i v) const { return _mm_or_si128(Angles(v), QuotesAndAmpersands(v)); }

    // For each byte, how many bytes its replacement adds: 3 for an angle
    // bracket, 4 for an ampersand, 5 for a quotation mark, else 0.
    __m128i Added(__m128i v) const {
        return _mm_or_si128(_mm_and_si128(Angles(v), three),
                            _mm_or_si128(_mm_and_si128(QuotesAndAmpersands(v), four),
                                         _mm_and_si128(_mm_cmpeq_epi8(v, quote), one)));
    }

private:
    __m128i Angles(__m128i v) const {
        return _mm_cmpeq_epi8(_mm_or_si128(v, _mm_set1_epi8(2)), _mm_set1_epi8('>'));
    }
    __m128i QuotesAndAmpersands(__m128i v) const {
        return _mm_cmpeq_epi8(_mm_or_si128(v, _mm_set1_epi8(4)), _mm_set1_epi8('&'));
    }

    __m128i quote = _mm_set1_epi8('"');
    __m128i one = _mm_set1_epi8(1);
    __m128i three = _mm_set1_epi8(3);
    __m128i four = _mm_set1_epi8(4);
};

__m128i Load(const uint8* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

void Store(uint8* at, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), v);
}

// Counts 64 bytes at a time; text without markup costs two comparisons per
// 16 bytes. Returns where it stopped and adds the bytes that replacements add.
const uint8* CountAdded(const uint8* at, const uint8* end, uint64& added) {
    const MarkupBytes markup;
    __m128i sums = _mm_setzero_si128();
    for (; end - at >= 64; at += 64) {
        const __m128i a = Load(at);
        const __m128i b = Load(at + 16);
        const __m128i c = Load(at + 32);
        const __m128i d = Load(at + 48);
        const __m128i any = _mm_or_si128(_mm_or_si128(markup.Any(a), markup.Any(b)),
                                         _mm_or_si128(markup.Any(c), markup.Any(d)));
        if (_mm_movemask_epi8(any) == 0) {
            continue;
        }
        // At most 4 * 5 per byte: the byte sums cannot overflow.
        const __m128i perByte = _mm_add_epi8(_mm_add_epi8(markup.Added(a), markup.Added(b)),
                                             _mm_add_epi8(markup.Added(c), markup.Added(d)));
        sums = _mm_add_epi64(sums, _mm_sad_epu8(perByte, _mm_setzero_si128()));
    }
    added += static_cast<uint64>(_mm_cvtsi128_si64(sums)) +
             static_cast<uint64>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    return at;
}

// Writes 16 bytes at a time. Every run of bytes between markup characters
// is written as a whole 16-byte store, which may reach past the run: what
// lands beyond is overwritten by what follows. The loop therefore stops
// while 32 bytes of text are left, so that every load and store stays
// within the text and the output. Returns where it stopped in both.
std::pair<const uint8*, uint8*> WriteBlocks(const uint8* at, const uint8* end, uint8* out) {
    const MarkupBytes markup;
    for (; end - at >= 32; at += 16) {
        const __m128i v = Load(at);
        auto found = static_cast<uint32>(_mm_movemask_epi8(markup.Any(v)));
        uint32 from = 0;
        while (found != 0) {
            const auto position = static_cast<uint32>(std::countr_zero(found));
            found &= found - 1;
            Store(out, Load(at + from));
            out += position - from;
            const Replacement& replacement = replacements[at[position]];
            std::memcpy(out, replacement.text, sizeof replacement.text);
            out += replacement.length;
            from = position + 1;
        }
        Store(out, Load(at + from));
        out += 16 - from;
    }
    return {at, out};
}

#else

const uint8* CountAdded(const uint8* at, const uint8*, uint64&) {
    return at;
}

std::pair<const uint8*, uint8*> WriteBlocks(const uint8* at, const uint8*, uint8* out) {
    return {at, out};
}

#endif

} // namespace

uint64 EscapedLength(ConstData text) {
    uint64 added = 0;
    const uint8* rest = CountAdded(text.Start(), text.End(), added);
    return static_cast<uint64>(rest - text.Start()) + added + PlainEscapedLength(rest, text.End());
}

void WriteEscaped(ConstData text, Data into) {
    if (into.Length() == text.Length()) {
        text.CopyInto(into);
        return;
    }
    const auto [rest, out] = WriteBlocks(text.Start(), text.End(), into.Start());
    const uint8* written = PlainWriteEscaped(rest, text.End(), out);
    ASSERT(written == into.End());
}

ConstData HtmlEscape(ConstData text) {
    const uint64 length = EscapedLength(text);
    if (length == text.Length()) {
        return text;
    }
    if (length > maxuint32) {
        throw DataOverflow();
    }
    const Data block = InspectorMemory(static_cast<uint32>(length));
    WriteEscaped(text, block);
    return block;
}

Html HtmlFromText(ConstData text) {
    return HtmlFromMarkup(HtmlEscape(text));
}
