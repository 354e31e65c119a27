#include "universe/buffers/Data.h"

#include <cstring>

Data Data::CopyFrom(ConstData r) const {
    ASSERT(Valid());
    ASSERT(r.Valid());
    const uint32 n = std::min(Length(), r.Length());
    // memmove copies as if through a temporary, which is what copying from
    // the far end first gives for overlapping bytes in either direction.
    if (n != 0) {
        std::memmove(start, r.Start(), n);
    }
    return After(n);
}

void Copy(Data& to, ConstData& from) {
    const ConstData f = from.First(std::min(from.Length(), to.Length()));
    to = to.CopyFrom(f);
    from.Advance(f.Length());
    ASSERT(to.Exhausted() || from.Exhausted());
}
