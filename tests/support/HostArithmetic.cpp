// The host's arithmetic as the recording host offers it to the plug-in: plain
// machine arithmetic, enough for inspectors that count and sum.
#include "frame/VeritorInterface.h"

#include <cstdint>

integer operator+(integer a, integer b) {
    // Wraps instead of overflowing: the test host has no error to report.
    return integer(static_cast<std::int64_t>(static_cast<std::uint64_t>(a.Value()) +
                                             static_cast<std::uint64_t>(b.Value())));
}

floating_point operator+(floating_point a, floating_point b) {
    return floating_point(a.Number() + b.Number(), floating_point().Second(),
                          a.Flags() | b.Flags());
}

floating_point operator*(floating_point a, floating_point b) {
    return floating_point(a.Number() * b.Number(), floating_point().Second(),
                          a.Flags() | b.Flags());
}

floating_point operator/(floating_point a, integer b) {
    return floating_point(a.Number() / static_cast<double>(b.Value()), floating_point().Second(),
                          a.Flags());
}

floating_point asFloatingPoint(integer a) {
    return floating_point(static_cast<double>(a.Value()), floating_point().Second(), 0);
}
