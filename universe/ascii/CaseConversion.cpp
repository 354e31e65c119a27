#include "universe/ascii/CaseConversion.h"

#include <algorithm>

namespace Ascii {
namespace {

using Table = std::array<uint8, 256>;

void CopyMapped(const Table& table, ConstData from, Data to) {
    ASSERT(CaseTablesAreCorrect());
    ASSERT(from.Length() == to.Length());
    const uint32 n = std::min(from.Length(), to.Length());
    for (uint32 i = 0; i < n; ++i) {
        to.Start()[i] = table[from.Start()[i]];
    }
}

void FilterMapped(const Table& table, ConstData& from, Data& to) {
    ASSERT(CaseTablesAreCorrect());
    while (!from.Exhausted() && !to.Exhausted()) {
        const uint8 b = from[0];
        from.Advance(1);
        to.Put(table[b]);
    }
}

bool Unchanged(const Table& table, ConstData text) {
    ASSERT(CaseTablesAreCorrect());
    return std::all_of(text.Start(), text.End(), [&table](uint8 b) { return table[b] == b; });
}

int CompareMapped(const Table& table, ConstData a, ConstData b) {
    ASSERT(CaseTablesAreCorrect());
    const uint32 shorter = std::min(a.Length(), b.Length());
    for (uint32 i = 0; i < shorter; ++i) {
        const int x = table[a.Start()[i]];
        const int y = table[b.Start()[i]];
        if (x != y) {
            return x - y;
        }
    }
    return a.Length() < b.Length() ? -1 : (a.Length() > b.Length() ? 1 : 0);
}

} // namespace

void CopyLowered(ConstData from, Data to) {
    CopyMapped(LoweringTable(), from, to);
}
void CopyRaised(ConstData from, Data to) {
    CopyMapped(RaisingTable(), from, to);
}

void FilterLowered(ConstData& from, Data& to) {
    FilterMapped(LoweringTable(), from, to);
}
void FilterRaised(ConstData& from, Data& to) {
    FilterMapped(RaisingTable(), from, to);
}

bool IsLowerCase(ConstData text) {
    return Unchanged(LoweringTable(), text);
}
bool IsUpperCase(ConstData text) {
    return Unchanged(RaisingTable(), text);
}

bool EqualIgnoringCase(ConstData a, ConstData b) {
    return a.Length() == b.Length() && CompareMapped(LoweringTable(), a, b) == 0;
}

int CompareIgnoringCase(ConstData a, ConstData b) {
    return CompareMapped(LoweringTable(), a, b);
}

int CompareIgnoringCaseRaised(ConstData a, ConstData b) {
    return CompareMapped(RaisingTable(), a, b);
}

} // namespace Ascii
