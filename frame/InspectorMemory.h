// Text results live in inspector memory: the host hands out the blocks and
// reclaims them once it has finished with the evaluation's results; the
// library never frees one. A result is sized first and then written into
// exactly one block.
#pragma once

#include "universe/buffers/Data.h"
#include "universe/integers/IntegerTypes.h"

// A fresh block of `length` bytes as a writable view.
Data InspectorMemory(uint32 length);
