// The digits of one integer in a base from 2 to 36, built from the right
// inside the object: no allocation. The views it hands out point into the
// object and must not outlive it.
#pragma once

#include "universe/buffers/ConstData.h"

#include <concepts>
#include <type_traits>

class Numeral {
public:
    // Room for the 64 binary digits of a 64-bit value, a sign and a length
    // byte.
    static constexpr uint32 maxLength = 66;

    template <std::integral T>
    explicit Numeral(T value, uint32 base = 10) {
        if constexpr (std::is_signed_v<T>) {
            if (value < 0) {
                negative = 1;
                sign = '-';
                Build(Magnitude(value), base);
            } else {
                Build(static_cast<uint64>(value), base);
            }
        } else {
            Build(static_cast<uint64>(value), base);
        }
    }

    Numeral(const Numeral&) = delete;
    Numeral& operator=(const Numeral&) = delete;

    // Pads with '0' in front of the digits (after any sign) until there are
    // at least minDigits digits; at most 64.
    void SetMinimumDigits(uint32 minDigits);

    bool IsNegative() const noexcept { return negative != 0; }

    // The sign (for a negative value only) and the digits.
    ConstData Text() const;
    operator ConstData() const { return Text(); } // NOLINT: a numeral is its text

    // The text preceded by one byte holding its length.
    const uint8* LengthPrefixed();

private:
    // The magnitude of a negative value, without overflow for the most
    // negative one.
    template <std::signed_integral T>
    static uint64 Magnitude(T value) {
        if constexpr (sizeof(T) == 8) {
            const uint64 offset = uint64{1} << 63;
            return offset - (static_cast<uint64>(value) + offset);
        } else if constexpr (sizeof(T) == 4) {
            return static_cast<uint64>(static_cast<uint32>(0u - static_cast<uint32>(value)));
        } else {
            const int32 widened = value; // NOLINT(bugprone-signed-char-misuse): a number here
            return static_cast<uint64>(-widened);
        }
    }

    void Build(uint64 magnitude, uint32 base);

    const uint8* first = nullptr;
    uint8 sign = 0;
    uint8 negative = 0;
    // Written by Text() too, which places the sign in front of the digits.
    mutable uint8 storage[maxLength];
};
