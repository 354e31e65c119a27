#include "universe/ascii/CStringComparison.h"

namespace Ascii {

int Compare(ConstCString a, ConstCString b) {
    const auto* x = reinterpret_cast<const uint8*>(a.Text());
    const auto* y = reinterpret_cast<const uint8*>(b.Text());
    if (x == y) {
        return 0;
    }
    while (*x == *y && *x != 0) {
        ++x;
        ++y;
    }
    return int{*x} - int{*y};
}

int Compare(ConstCString a, ConstData b) {
    const auto* x = reinterpret_cast<const uint8*>(a.Text());
    const uint8* y = b.Start();
    const uint8* end = b.End();
    while (*x != 0 && y != end && *x == *y) {
        ++x;
        ++y;
    }
    if (y == end) {
        return *x;
    }
    if (*x == 0) {
        return -1;
    }
    return int{*x} - int{*y};
}

} // namespace Ascii
