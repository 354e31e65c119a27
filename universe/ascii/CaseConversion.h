// Case conversion and case-insensitive comparison of ASCII text.
#pragma once

#include "universe/ascii/CaseTables.h"
#include "universe/buffers/Data.h"

namespace Ascii {

// Writes the converted bytes of `from` into `to`, which has the same length.
void CopyLowered(ConstData from, Data to);
void CopyRaised(ConstData from, Data to);

// The step of a case filter: converts byte by byte while neither side is
// exhausted, advancing both.
void FilterLowered(ConstData& from, Data& to);
void FilterRaised(ConstData& from, Data& to);

// True when the text has no upper-case (resp. lower-case) letter; an empty
// text is both.
bool IsLowerCase(ConstData text);
bool IsUpperCase(ConstData text);

bool EqualIgnoringCase(ConstData a, ConstData b);

// Three-way comparisons of the lowered (resp. raised) bytes: at the first
// difference their difference, otherwise -1, 0 or 1 by length. The two differ
// for the characters between the cases, such as underscore.
int CompareIgnoringCase(ConstData a, ConstData b);
int CompareIgnoringCaseRaised(ConstData a, ConstData b);

} // namespace Ascii
