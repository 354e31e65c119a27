// Turns bytes into lower-case hexadecimal text, two digits per byte, high
// nibble first. An output area of odd size is filled completely: the last
// byte that only half fits leaves its low digit pending for the next call.
#pragma once

#include "universe/receivers/DataFilter.h"

class HexEncoder : public DataFilter {
public:
    void Encode(ConstData& in, Data& out);
    void Filter(ConstData& from, Data& to) override { Encode(from, to); }

    // Whether a low digit waits for room in the next call (which may be
    // given an empty input just to deliver it).
    bool HasPendingDigit() const { return pending != 0; }

private:
    uint8 pending = 0;
};
