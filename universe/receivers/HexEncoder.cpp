#include "universe/receivers/HexEncoder.h"

#include "universe/ascii/Hexadecimal.h"
#include "universe/exceptions/Assertion.h"

#include <algorithm>

void HexEncoder::Encode(ConstData& in, Data& out) {
    // A pending digit with no room at all stays pending.
    if (pending != 0 && !out.Exhausted()) {
        out.Put(pending);
        pending = 0;
    }
    const uint32 whole = std::min(in.Length(), out.Length() / 2);
    uint8* digit = out.Start();
    for (uint32 i = 0; i < whole; ++i) {
        *digit++ = Ascii::HexDigit(in[i] >> 4);
        *digit++ = Ascii::HexDigit(in[i] & 0xF);
    }
    in.Advance(whole);
    out.Advance(2 * whole);
    if (!in.Exhausted() && !out.Exhausted()) {
        ASSERT_REPORTING(out.Length() == 1, "out.UnusedLength() == 1");
        const uint8 b = in[0];
        in.Advance(1);
        out.Put(Ascii::HexDigit(b >> 4));
        pending = Ascii::HexDigit(b & 0xF);
    }
    ASSERT(in.Exhausted() || out.Exhausted());
}
