// Exceptions of the extensible array, thrown right after the failed check
// that reports the fault, where carrying on would have no element or no room
// to hand out. None carries data: what() is the class name.
#pragma once

#include "universe/exceptions/DebuggableException.h"

// A first section that is missing, empty or not a whole number of elements.
class UnusableInitialSection : public DebuggableException {};

// An element index at or beyond the array's length.
class ExtensibleArrayIndexBeyondEnd : public DebuggableException {};

// No section left to grow into.
class ExtensibleArrayFull : public DebuggableException {};
