#include "universe/ascii/CharacterClasses.h"

#include <gtest/gtest.h>

namespace {

bool In(uint32 b, uint32 low, uint32 high) {
    return b >= low && b <= high;
}
bool Letter(uint32 b) {
    return In(b, 'A', 'Z') || In(b, 'a', 'z');
}
bool Digit(uint32 b) {
    return In(b, '0', '9');
}

// Each class against its member ranges, for all 256 byte values.
TEST(CharacterClasses, MembersMatchTheirRanges) {
    using namespace Ascii;
    const std::tuple<const char*, const CharacterSet&, bool (*)(uint32)> cases[] = {
        {"graphic", GraphicCharacters(), [](uint32 b) { return In(b, 33, 126); }},
        {"not graphic", NonGraphicCharacters(), [](uint32 b) { return !In(b, 33, 126); }},
        {"printable", PrintableCharacters(), [](uint32 b) { return In(b, 32, 126); }},
        {"control", ControlCharacters(), [](uint32 b) { return b <= 31 || b == 127; }},
        {"non-ASCII", NonAsciiCharacters(), [](uint32 b) { return b >= 128; }},
        {"white space", WhiteSpace(),
         [](uint32 b) { return b == 9 || b == 10 || b == 13 || b == 32; }},
        {"blank", BlankCharacters(), [](uint32 b) { return b == 9 || b == 32; }},
        {"letter", Letters(), Letter},
        {"digit", Digits(), Digit},
        {"letter or digit", LettersAndDigits(), [](uint32 b) { return Letter(b) || Digit(b); }},
        {"punctuation", PunctuationCharacters(),
         [](uint32 b) { return In(b, 33, 126) && !Letter(b) && !Digit(b); }},
        {"hexadecimal", HexadecimalDigits(),
         [](uint32 b) { return Digit(b) || In(b | 0x20, 'a', 'f'); }},
        {"identifier start", IdentifierStartCharacters(),
         [](uint32 b) { return Letter(b) || b == '_'; }},
        {"identifier", IdentifierCharacters(),
         [](uint32 b) { return Letter(b) || Digit(b) || b == '_'; }},
        {"lower case", LowerCaseLetters(), [](uint32 b) { return In(b, 'a', 'z'); }},
        {"upper case", UpperCaseLetters(), [](uint32 b) { return In(b, 'A', 'Z'); }},
    };
    for (const auto& [name, set, member] : cases) {
        for (uint32 b = 0; b < 256; ++b) {
            EXPECT_EQ(set.Contains(static_cast<uint8>(b)), member(b)) << name << " " << b;
        }
    }
}

} // namespace
