// One logical text made of an ordered sequence of views. The rope views the
// caller's array of pieces, and the pieces view their bytes: nothing is owned.
#pragma once

#include "universe/buffers/Data.h"

#include <initializer_list>
#include <span>
#include <string>

class ConstDataRope {
public:
    constexpr ConstDataRope() noexcept = default;
    constexpr explicit ConstDataRope(std::span<const ConstData> pieces) noexcept
        : pieces(pieces) {}

    std::span<const ConstData> Pieces() const noexcept { return pieces; }

    // The total length of the pieces (reported if it exceeds 32 bits).
    uint32 Length() const;

    // Writes the pieces in order, each write leaving the free remainder; the
    // text is truncated to the room available.
    void CopyInto(Data& to) const;

    std::string AsString() const;

private:
    std::span<const ConstData> pieces;
};
