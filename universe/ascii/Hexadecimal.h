// Hexadecimal digits.
#pragma once

#include "universe/integers/IntegerTypes.h"

namespace Ascii {

// The lower-case digit for n, which must be below 16.
uint8 HexDigit(uint32 n);

// The value of a digit: 0..9 for '0'..'9', 10..15 for 'a'..'f' and 'A'..'F'.
// Other characters are not rejected; their value is meaningless.
uint32 HexValue(uint8 c);

} // namespace Ascii
