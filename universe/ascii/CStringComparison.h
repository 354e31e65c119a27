// Comparisons of zero-terminated strings, with each other and with views.
#pragma once

#include "universe/strings/ConstCString.h"

namespace Ascii {

// Bytes are compared as unsigned values; the result is the difference of the
// first differing bytes (the terminator counting as a byte).
int Compare(ConstCString a, ConstCString b);

// The end of the view acts as a terminator: a view that ends first gives the
// string's next byte, a string that ends first gives -1.
int Compare(ConstCString a, ConstData b);

inline bool AtMost(ConstCString a, ConstCString b) {
    return Compare(a, b) <= 0;
}
inline bool AtLeast(ConstCString a, ConstCString b) {
    return Compare(a, b) >= 0;
}
inline bool AtMost(ConstCString a, ConstData b) {
    return Compare(a, b) <= 0;
}
inline bool AtLeast(ConstCString a, ConstData b) {
    return Compare(a, b) >= 0;
}

} // namespace Ascii
