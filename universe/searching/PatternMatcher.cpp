#include "universe/searching/PatternMatcher.h"

#include "universe/exceptions/Assertion.h"
#include "universe/integers/Overflow.h"
#include "universe/searching/EmptySearchTarget.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Shifts are stored in a byte; a target longer than this contributes only its
// last bytes to the tables, and every shift stays within the target's length.
constexpr uint32 maxShift = maxuint8;

} // namespace

PatternMatcher::PatternMatcher(ConstData target)
    : theTarget(target) {
    ASSERT(theTarget.Length() > 0);
    // Past the report an empty target would have no last byte to build the
    // tables from, and no search could take a step.
    if (theTarget.Length() == 0) {
        throw EmptySearchTarget();
    }
    const uint8* bytes = theTarget.Start();
    const uint32 length = theTarget.Length();

    std::memcpy(paddedTarget.data(), bytes, std::min<std::size_t>(length, paddedTarget.size()));

    const uint32 reach = std::min(length, maxShift);
    shift.fill(Asuint8(reach));
    // Nearer occurrences are written last and so win.
    for (uint32 k = reach - 1; k >= 1; --k) {
        shift[bytes[length - 1 - k]] = static_cast<uint8>(k);
    }

    if (length < 2) {
        return;
    }
    // A window whose last pair matches no pair of the target may move so far
    // that only the target's first byte still overlaps its last byte.
    const uint32 pairReach = std::min(length - 1, maxShift);
    pairShift.fill(static_cast<uint8>(pairReach));
    for (uint32 k = pairReach - 1; k >= 1; --k) {
        const uint32 last = length - 1 - k;
        pairShift[PairHash(bytes[last - 1], bytes[last])] = static_cast<uint8>(k);
    }
    const uint8 finalHash = PairHash(bytes[length - 2], bytes[length - 1]);
    finalPairShift = pairShift[finalHash];
    pairShift[finalHash] = 0;
}

std::optional<uint32> PatternMatcher::FirstIn(ConstData text) const {
    if (text.Length() < Length()) {
        return std::nullopt;
    }
    if (Length() == 1) {
        const void* hit = std::memchr(text.Start(), theTarget.Start()[0], text.Length());
        if (hit == nullptr) {
            return std::nullopt;
        }
        return static_cast<uint32>(static_cast<const uint8*>(hit) - text.Start());
    }
#if defined(__SSE2__)
    if (Length() < pairSkippingFrom) {
        return FirstByEndBytes(text);
    }
#endif
    return FirstPairSkipping(text);
}

#if defined(__SSE2__)
inline bool PatternMatcher::HoldsTarget(const uint8* window, uint64 room) const {
    const uint32 length = Length();
    const auto load = [](const uint8* at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    };
    const auto equalBytes = [](__m128i a, __m128i b) {
        return static_cast<uint32>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b)));
    };
    if (length > 16) {
        // Two overlapping blocks cover the window, which lies in the text.
        const uint8* target = theTarget.Start();
        return (equalBytes(load(window), load(target)) &
                equalBytes(load(window + length - 16), load(target + length - 16))) == 0xFFFF;
    }
    if (room >= 16) {
        const uint32 wanted = (1u << length) - 1;
        return (equalBytes(load(window), load(paddedTarget.data())) & wanted) == wanted;
    }
    return std::memcmp(window + 1, theTarget.Start() + 1, length - 2) == 0;
}

// Sixteen windows at a time: a window is compared in full only when both its
// first and its last byte agree with the target's, which in text is rare.
std::optional<uint32> PatternMatcher::FirstByEndBytes(ConstData text) const {
    const uint8* const bytes = text.Start();
    const uint8* const target = theTarget.Start();
    const uint64 length = Length();
    const uint64 size = text.Length();
    const __m128i firstByte = _mm_set1_epi8(static_cast<char>(target[0]));
    const __m128i lastByte = _mm_set1_epi8(static_cast<char>(target[length - 1]));
    // The windows starting at `first` to `first + 15` whose end bytes agree.
    const auto candidatesAt = [&](uint64 first) {
        const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + first));
        const __m128i ends =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + first + length - 1));
        return static_cast<uint32>(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(starts, firstByte), _mm_cmpeq_epi8(ends, lastByte))));
    };
    const auto firstHeld = [&](uint64 first, uint32 candidates) -> std::optional<uint32> {
        while (candidates != 0) {
            const uint64 window = first + static_cast<uint64>(std::countr_zero(candidates));
            if (HoldsTarget(bytes + window, size - window)) {
                return static_cast<uint32>(window);
            }
            candidates &= candidates - 1;
        }
        return std::nullopt;
    };

    // `first` is the index of the first window of the block.
    uint64 first = 0;
    for (; first + length + 15 <= size; first += 16) {
        if (const uint32 candidates = candidatesAt(first); candidates != 0) {
            if (auto found = firstHeld(first, candidates)) {
                return found;
            }
        }
    }
    if (first + length > size) {
        return std::nullopt;
    }
    // The last windows: one more block, ending with the text, that overlaps
    // the windows already tested. A text searched in pieces ends here once
    // per piece, so this must not cost a comparison per window.
    if (size >= length + 15) {
        const uint64 last = size - length - 15;
        const uint32 tested = (1u << (first - last)) - 1;
        return firstHeld(last, candidatesAt(last) & ~tested);
    }
    for (; first + length <= size; ++first) {
        if (bytes[first] == target[0] && bytes[first + length - 1] == target[length - 1] &&
            HoldsTarget(bytes + first, size - first)) {
            return static_cast<uint32>(first);
        }
    }
    return std::nullopt;
}
#endif

uint32 PatternMatcher::LongestPrefixEnding(ConstData text) const {
    const uint8* const target = theTarget.Start();
    const uint64 size = text.Length();
    ASSERT_REPORTING(size + 1 >= Length(), "text.Length() >= Length() - 1");
    // Prefixes are short, and a call to memcmp would cost more than the
    // loop; only places that hold the target's first byte can start one.
    const auto endsWithPrefix = [&](uint64 prefix) {
        const uint8* start = text.Start() + size - prefix;
        uint64 same = 0;
        while (same < prefix && start[same] == target[same]) {
            ++same;
        }
        return same == prefix;
    };
#if defined(__SSE2__)
    // The last sixteen bytes at once: the places that hold the first byte,
    // longest prefix first.
    if (size >= 16 && Length() <= 17) {
        const __m128i last =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.Start() + size - 16));
        // Bit i stands for the prefix of 16 - i bytes; prefixes of the
        // target's length or longer are not proper.
        auto places = static_cast<uint32>(_mm_movemask_epi8(
                          _mm_cmpeq_epi8(last, _mm_set1_epi8(static_cast<char>(target[0]))))) &
                      (0xFFFFu << (17 - Length()));
        for (; places != 0; places &= places - 1) {
            const uint32 prefix = 16 - static_cast<uint32>(std::countr_zero(places));
            if (endsWithPrefix(prefix)) {
                return prefix;
            }
        }
        return 0;
    }
#endif
    for (uint64 prefix = std::min<uint64>(Length() - 1, size); prefix > 0; --prefix) {
        if (endsWithPrefix(prefix)) {
            return static_cast<uint32>(prefix);
        }
    }
    return 0;
}

std::optional<uint32> PatternMatcher::FirstPairSkipping(ConstData text) const {
    const uint8* const bytes = text.Start();
    const uint8* const target = theTarget.Start();
    const uint64 length = Length();
    const uint64 size = text.Length();

    // `last` is the index of the window's final byte.
    uint64 last = length - 1;
    while (last < size) {
        uint8 step = pairShift[PairHash(bytes[last - 1], bytes[last])];
        if (step != 0) {
            last += step;
            continue;
        }
        const uint64 first = last + 1 - length;
        if (std::memcmp(bytes + first, target, length) == 0) {
            return static_cast<uint32>(first);
        }
        last += finalPairShift;
    }
    return std::nullopt;
}
