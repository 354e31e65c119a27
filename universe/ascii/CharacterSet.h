// Membership of the 256 byte values, as eight 32-bit words: byte b is a member
// when bit (b mod 32) of word (b div 32) is set.
#pragma once

#include "universe/integers/IntegerTypes.h"

#include <array>

namespace Ascii {

class CharacterSet {
public:
    constexpr CharacterSet(uint32 w0, uint32 w1, uint32 w2, uint32 w3, uint32 w4, uint32 w5,
                           uint32 w6, uint32 w7) noexcept
        : words{w0, w1, w2, w3, w4, w5, w6, w7} {}

    constexpr bool Contains(uint8 b) const noexcept {
        return (words[b >> 5] & (uint32{1} << (b & 31))) != 0;
    }

    constexpr uint32 Word(uint32 index) const noexcept { return words[index & 7]; }

private:
    std::array<uint32, 8> words;
};

} // namespace Ascii
