#include "universe/ascii/CaseTables.h"

namespace Ascii {
namespace {

constexpr std::array<uint8, 256> CaseTable(uint8 from, uint8 to) {
    std::array<uint8, 256> table{};
    for (uint32 b = 0; b < 256; ++b) {
        table[b] = static_cast<uint8>(b);
    }
    for (uint32 i = 0; i < 26; ++i) {
        table[from + i] = static_cast<uint8>(to + i);
    }
    return table;
}

constexpr std::array<uint8, 256> loweringTable = CaseTable('A', 'a');
constexpr std::array<uint8, 256> raisingTable = CaseTable('a', 'A');

bool TablesHold() {
    for (uint32 b = 0; b < 256; ++b) {
        const bool upper = b >= 'A' && b <= 'Z';
        const bool lower = b >= 'a' && b <= 'z';
        if (loweringTable[b] != (upper ? b + ('a' - 'A') : b) ||
            raisingTable[b] != (lower ? b - ('a' - 'A') : b)) {
            return false;
        }
    }
    return true;
}

} // namespace

const std::array<uint8, 256>& LoweringTable() {
    return loweringTable;
}
const std::array<uint8, 256>& RaisingTable() {
    return raisingTable;
}

bool CaseTablesAreCorrect() {
    static const bool correct = TablesHold();
    return correct;
}

} // namespace Ascii
