// A prepared search target: the bytes to look for and the tables that let a
// search skip text that cannot hold it. Immutable once built, so one matcher
// may serve any number of searches at the same time.
#pragma once

#include "universe/buffers/ConstData.h"
#include "universe/integers/IntegerTypes.h"
#include "universe/searching/EmptySearchTarget.h"

#include <array>
#include <optional>

class PatternMatcher {
public:
    // The target must not be empty (EmptySearchTarget) and must outlive the
    // matcher.
    explicit PatternMatcher(ConstData target);

    ConstData Target() const { return theTarget; }
    uint32 Length() const { return theTarget.Length(); }

    // Horspool distance for a candidate window whose last byte is `byte`: how
    // far its end may move before an occurrence could end there.
    uint8 Shift(uint8 byte) const { return shift[byte]; }

    // Offset of the first occurrence of the target that lies wholly inside
    // `text`, if any. This is the fast path of a search: short targets test
    // many windows at once on their end bytes; long ones skip on pairs of
    // bytes, which in natural text jumps close to the target's length.
    std::optional<uint32> FirstIn(ConstData text) const;

    // The length of the longest proper prefix of the target that `text`
    // ends with. Only a text at least Length() - 1 bytes long can hold every
    // such prefix, so the text before it does not matter.
    uint32 LongestPrefixEnding(ConstData text) const;

private:
    static uint8 PairHash(uint8 before, uint8 last) {
        return static_cast<uint8>((before << 3) ^ last);
    }

    std::optional<uint32> FirstPairSkipping(ConstData text) const;
    std::optional<uint32> FirstByEndBytes(ConstData text) const;
    // Whether the window whose end bytes agree with the target's holds the
    // target; `room` bytes of text are readable from the window on.
    // Inlined into the loop over candidates, of which text has many.
    [[gnu::always_inline]] inline bool HoldsTarget(const uint8* window, uint64 room) const;

    // Below this length pair skipping cannot jump far enough to beat testing
    // every window sixteen at a time.
    static constexpr uint32 pairSkippingFrom = 32;

    ConstData theTarget;
    std::array<uint8, 256> shift{};
    // Distance to the nearest earlier pair of target bytes with the same hash
    // as the window's last pair (0: the target's own final pair hashes alike).
    std::array<uint8, 256> pairShift{};
    // Where to move after a failed comparison at a window whose last pair
    // hashes like the target's final pair.
    uint8 finalPairShift = 1;
    // The target's first bytes, padded with zeros to one vector, so that a
    // short target is compared with one load.
    std::array<uint8, 16> paddedTarget{};
};
