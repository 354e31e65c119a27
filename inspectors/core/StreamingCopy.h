// Copying a large result past the caches. A text of many megabytes written
// through the caches first reads every destination line in, then evicts the
// text it displaces; streaming stores write the lines out directly. Worth it
// only for results far larger than the caches.
#pragma once

#include "universe/integers/IntegerTypes.h"

#include <cstddef>

namespace StreamingCopy {

// Results at least this long are copied past the caches.
inline constexpr std::size_t worthwhileFrom = std::size_t{8} << 20;

// Copies `count` bytes; the ranges must not overlap. Copies made this way
// are ordered with later stores only after Finish().
void Copy(uint8* to, const uint8* from, std::size_t count);

// Makes the streamed copies visible in order to whatever follows.
void Finish();

} // namespace StreamingCopy
