// Fixed-width integer names used throughout the library, and their limits.
// The limits are plain constants (not numeric_limits calls) so that assertion
// texts such as "x <= uint32(maxuint8)" read the same as the code.
#pragma once

#include <cstdint>

using uint8 = std::uint8_t;
using uint16 = std::uint16_t;
using uint32 = std::uint32_t;
using uint64 = std::uint64_t;
using int8 = std::int8_t;
using int16 = std::int16_t;
using int32 = std::int32_t;
using int64 = std::int64_t;

inline constexpr uint8 maxuint8 = 0xFF;
inline constexpr uint16 maxuint16 = 0xFFFF;
inline constexpr uint32 maxuint32 = 0xFFFFFFFFu;
inline constexpr uint64 maxuint64 = 0xFFFFFFFFFFFFFFFFull;
inline constexpr int8 maxint8 = 0x7F;
inline constexpr int8 minint8 = -maxint8 - 1;
inline constexpr int16 maxint16 = 0x7FFF;
inline constexpr int16 minint16 = -maxint16 - 1;
inline constexpr int32 maxint32 = 0x7FFFFFFF;
inline constexpr int32 minint32 = -maxint32 - 1;
inline constexpr int64 maxint64 = 0x7FFFFFFFFFFFFFFFll;
inline constexpr int64 minint64 = -maxint64 - 1;
