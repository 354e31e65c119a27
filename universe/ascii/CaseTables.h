// Case conversion of single bytes through two 256-entry tables: only A..Z and
// a..z change; every other byte, 128..255 included, maps to itself.
#pragma once

#include "universe/integers/IntegerTypes.h"

#include <array>

namespace Ascii {

const std::array<uint8, 256>& LoweringTable();
const std::array<uint8, 256>& RaisingTable();

// Checks both tables byte by byte on the first call and remembers the answer.
bool CaseTablesAreCorrect();

inline uint8 Lowered(uint8 b) {
    return LoweringTable()[b];
}
inline uint8 Raised(uint8 b) {
    return RaisingTable()[b];
}

} // namespace Ascii
