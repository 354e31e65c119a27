#include "universe/buffers/ConstData.h"

#include "universe/buffers/Data.h"

#include <cstring>

namespace {

// True when writing `count` bytes forwards from `from` to `to` would read
// bytes it has already overwritten.
bool ForwardCopyRereads(const uint8* from, const uint8* to, uint32 count) {
    return from < to && to < from + count;
}

bool SameBytes(const uint8* a, const uint8* b, uint32 count) {
    return count == 0 || std::memcmp(a, b, count) == 0;
}

int ByLength(uint32 a, uint32 b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

ConstData ConstData::CopyInto(Data r) const {
    ASSERT(Valid());
    ASSERT(r.Valid());
    const uint32 n = std::min(Length(), r.Length());
    if (ForwardCopyRereads(start, r.Start(), n)) {
        // A forward copy onto a later part of its own source repeats the
        // leading bytes; keep exactly that result.
        for (uint32 i = 0; i < n; ++i) {
            r.Start()[i] = start[i];
        }
    } else if (n != 0) {
        std::memmove(r.Start(), start, n);
    }
    return After(n);
}

bool ConstData::StartsWith(ConstData b) const {
    ASSERT(Valid());
    ASSERT(b.Valid());
    return Length() >= b.Length() && SameBytes(start, b.start, b.Length());
}

bool ConstData::EndsWith(ConstData b) const {
    ASSERT(Valid());
    ASSERT(b.Valid());
    return Length() >= b.Length() && SameBytes(end - b.Length(), b.start, b.Length());
}

bool ConstData::Contains(ConstData b) const {
    ASSERT(Valid());
    ASSERT(b.Valid());
    if (b.IsEmpty()) {
        return true;
    }
    if (Length() < b.Length()) {
        return false;
    }
    const uint8* last = end - b.Length();
    for (const uint8* p = start; p <= last; ++p) {
        p = static_cast<const uint8*>(
            std::memchr(p, b.start[0], static_cast<size_t>(last - p) + 1));
        if (p == nullptr) {
            return false;
        }
        if (SameBytes(p, b.start, b.Length())) {
            return true;
        }
    }
    return false;
}

int Compare(ConstData a, ConstData b) {
    ASSERT(a.Valid());
    ASSERT(b.Valid());
    const uint32 shorter = std::min(a.Length(), b.Length());
    for (uint32 i = 0; i < shorter; ++i) {
        if (a.Start()[i] != b.Start()[i]) {
            return int{a.Start()[i]} - int{b.Start()[i]};
        }
    }
    return ByLength(a.Length(), b.Length());
}

int CompareFromEnd(ConstData a, ConstData b) {
    ASSERT(a.Valid());
    ASSERT(b.Valid());
    const uint32 shorter = std::min(a.Length(), b.Length());
    for (uint32 i = 1; i <= shorter; ++i) {
        const uint8 x = a.End()[-static_cast<std::ptrdiff_t>(i)];
        const uint8 y = b.End()[-static_cast<std::ptrdiff_t>(i)];
        if (x != y) {
            return int{x} - int{y};
        }
    }
    return ByLength(a.Length(), b.Length());
}

bool operator==(ConstData a, ConstData b) {
    ASSERT(a.Valid());
    ASSERT(b.Valid());
    return a.Length() == b.Length() && SameBytes(a.Start(), b.Start(), a.Length());
}

bool operator<(ConstData a, ConstData b) {
    ASSERT(a.Valid());
    ASSERT(b.Valid());
    const uint32 shorter = std::min(a.Length(), b.Length());
    const int order = shorter == 0 ? 0 : std::memcmp(a.Start(), b.Start(), shorter);
    return order != 0 ? order < 0 : a.Length() < b.Length();
}

bool operator<=(ConstData a, ConstData b) {
    ASSERT(a.Valid());
    ASSERT(b.Valid());
    const uint32 shorter = std::min(a.Length(), b.Length());
    const int order = shorter == 0 ? 0 : std::memcmp(a.Start(), b.Start(), shorter);
    return order != 0 ? order < 0 : a.Length() <= b.Length();
}
