// Tells in advance whether an integer operation has an exactly representable
// result (CanAdd, CanSubtract, CanMultiply), and converts between widths with
// checks (As...). The predicates never perform the operation. Both operands
// have the type of the first one, which is also the result type.
//
// A failed conversion check is reported through ASSERT; the value is then
// converted by plain truncation all the same.
#pragma once

#include "universe/exceptions/Assertion.h"
#include "universe/integers/IntegerTypes.h"

#include <concepts>
#include <limits>
#include <type_traits>

template <std::integral T>
constexpr bool CanAdd(T a, std::type_identity_t<T> b) noexcept {
    constexpr T max = std::numeric_limits<T>::max();
    constexpr T min = std::numeric_limits<T>::min();
    if constexpr (std::is_unsigned_v<T>) {
        return b <= max - a;
    } else {
        return a < 0 ? b >= min - a : b <= max - a;
    }
}

template <std::integral T>
constexpr bool CanSubtract(T a, std::type_identity_t<T> b) noexcept {
    constexpr T max = std::numeric_limits<T>::max();
    constexpr T min = std::numeric_limits<T>::min();
    if constexpr (std::is_unsigned_v<T>) {
        return a >= b;
    } else {
        return a < 0 ? b <= a - min : b >= a - max;
    }
}

template <std::integral T>
constexpr bool CanMultiply(T a, std::type_identity_t<T> b) noexcept {
    constexpr T max = std::numeric_limits<T>::max();
    constexpr T min = std::numeric_limits<T>::min();
    if (a == 0) {
        return true;
    }
    if constexpr (std::is_unsigned_v<T>) {
        return b <= max / a;
    } else {
        if (a == -1) {
            return b != min;
        }
        if (a > 0) {
            return b > 0 ? b <= max / a : b >= min / a;
        }
        return b > 0 ? b <= min / a : b >= max / a;
    }
}

// Checked conversions, named after the result type.

// The assertion texts are part of what a failure reports; keep their spelling.
// clang-format off
inline uint8 Asuint8(int32 x) {
    ASSERT(x >= 0);
    ASSERT(x <= int (maxuint8));
    return static_cast<uint8>(x);
}

inline uint8 Asuint8(uint32 x) {
    ASSERT(x <= uint32(maxuint8));
    return static_cast<uint8>(x);
}

inline uint8 Asuint8(uint16 x) {
    ASSERT(x <= uint16(maxuint8));
    return static_cast<uint8>(x);
}

inline uint8 Asuint8(uint64 x) {
    ASSERT(x <= uint64(maxuint8));
    return static_cast<uint8>(x);
}

inline uint8 Asuint8(int64 x) {
    ASSERT(x >= 0);
    ASSERT(x <= int64(maxuint8));
    return static_cast<uint8>(x);
}

inline uint16 Asuint16(int32 x) {
    ASSERT(x >= 0);
    ASSERT((unsigned int)x <= (unsigned int)maxuint16);
    return static_cast<uint16>(x);
}

inline uint16 Asuint16(uint32 x) {
    ASSERT(x <= uint32(maxuint16));
    return static_cast<uint16>(x);
}

inline uint16 Asuint16(uint64 x) {
    ASSERT(x <= uint64(maxuint16));
    return static_cast<uint16>(x);
}

inline uint16 Asuint16(int64 x) {
    ASSERT(x >= 0);
    ASSERT(x <= int64(maxuint16));
    return static_cast<uint16>(x);
}

inline uint32 Asuint32(int32 x) {
    ASSERT(x >= 0);
    return static_cast<uint32>(x);
}

inline uint32 Asuint32(int16 x) {
    ASSERT(x >= 0);
    return static_cast<uint32>(x);
}

inline uint32 Asuint32(int8 x) {
    ASSERT(x >= 0);
    return static_cast<uint32>(x);
}

inline uint32 Asuint32(uint64 x) {
    ASSERT(x <= uint64(maxuint32));
    return static_cast<uint32>(x);
}

inline uint32 Asuint32(int64 x) {
    ASSERT(x >= 0);
    ASSERT(x <= int64(maxuint32));
    return static_cast<uint32>(x);
}

inline uint64 Asuint64(int64 x) {
    ASSERT(x >= 0);
    return static_cast<uint64>(x);
}

inline int32 Asint32(int64 x) {
    ASSERT(x >= int64(minint32));
    ASSERT(x <= int64 (maxint32));
    return static_cast<int32>(x);
}
// clang-format on

inline int32 Asint32(uint32 x) {
    ASSERT(x <= uint32(maxint32));
    return static_cast<int32>(x);
}

inline int32 Asint32(uint64 x) {
    ASSERT(x <= uint64(maxint32));
    return static_cast<int32>(x);
}

inline int64 Asint64(uint64 x) {
    ASSERT(x <= uint64(maxint64));
    return static_cast<int64>(x);
}
