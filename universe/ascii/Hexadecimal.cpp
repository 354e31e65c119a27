#include "universe/ascii/Hexadecimal.h"

#include "universe/integers/Overflow.h"

namespace Ascii {

uint8 HexDigit(uint32 n) {
    ASSERT(n < 16);
    return static_cast<uint8>(n < 10 ? '0' + n : 'a' + n - 10);
}

uint32 HexValue(uint8 c) {
    const int32 value = c > '9' ? (c | 0x20) - 87 : c - '0';
    return Asuint32(value);
}

} // namespace Ascii
