// Exceptions of the byte buffers. Neither carries data: what() is the class
// name.
#pragma once

#include "universe/exceptions/DebuggableException.h"

// A write at or beyond the end of an output area.
class DataOverflow : public DebuggableException {};

// More bytes assigned to a fixed-capacity copy than it can hold.
class ConstDataCapacityExceeded : public DebuggableException {};
