#include "universe/buffers/ConstDataRope.h"

#include "universe/integers/Overflow.h"

uint32 ConstDataRope::Length() const {
    uint32 total = 0;
    for (const ConstData* p = pieces.data(); p != pieces.data() + pieces.size(); ++p) {
        // clang-format off
        ASSERT(CanAdd( total, p->Length() ));
        // clang-format on
        total += p->Length();
    }
    return total;
}

void ConstDataRope::CopyInto(Data& to) const {
    for (const ConstData& piece : pieces) {
        to.Write(piece);
    }
}

std::string ConstDataRope::AsString() const {
    std::string text(Length(), '\0');
    Data into(text.data(), text.size());
    CopyInto(into);
    return text;
}
