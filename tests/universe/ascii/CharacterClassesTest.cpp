#include "universe/ascii/CharacterClasses.h"

#include <gtest/gtest.h>

namespace {

bool Between(uint32 b, uint32 low, uint32 high) {
    return b >= low && b <= high;
}
bool Upper(uint32 b) {
    return Between(b, 'A', 'Z');
}
bool Lower(uint32 b) {
    return Between(b, 'a', 'z');
}
bool Digit(uint32 b) {
    return Between(b, '0', '9');
}

// Each class against a definition written from its member ranges, for all
// 256 byte values.
TEST(CharacterClasses, MembersMatchTheirDefinitions) {
    struct Case {
        const char* name;
        const Ascii::CharacterSet& set;
        bool (*member)(uint32);
    };
    const Case cases[] = {
        {"graphic", Ascii::GraphicCharacters(), [](uint32 b) { return Between(b, 33, 126); }},
        {"not graphic", Ascii::NonGraphicCharacters(),
         [](uint32 b) { return !Between(b, 33, 126); }},
        {"printable", Ascii::PrintableCharacters(), [](uint32 b) { return Between(b, 32, 126); }},
        {"control", Ascii::ControlCharacters(), [](uint32 b) { return b <= 31 || b == 127; }},
        {"non-ASCII", Ascii::NonAsciiCharacters(), [](uint32 b) { return b >= 128; }},
        {"white space", Ascii::WhiteSpace(),
         [](uint32 b) { return b == 9 || b == 10 || b == 13 || b == 32; }},
        {"blank", Ascii::BlankCharacters(), [](uint32 b) { return b == 9 || b == 32; }},
        {"letter", Ascii::Letters(), [](uint32 b) { return Upper(b) || Lower(b); }},
        {"digit", Ascii::Digits(), [](uint32 b) { return Digit(b); }},
        {"letter or digit", Ascii::LettersAndDigits(),
         [](uint32 b) { return Upper(b) || Lower(b) || Digit(b); }},
        {"punctuation", Ascii::PunctuationCharacters(),
         [](uint32 b) {
             return Between(b, 33, 47) || Between(b, 58, 64) || Between(b, 91, 96) ||
                    Between(b, 123, 126);
         }},
        {"hexadecimal digit", Ascii::HexadecimalDigits(),
         [](uint32 b) { return Digit(b) || Between(b, 'A', 'F') || Between(b, 'a', 'f'); }},
        {"identifier start", Ascii::IdentifierStartCharacters(),
         [](uint32 b) { return Upper(b) || Lower(b) || b == '_'; }},
        {"identifier character", Ascii::IdentifierCharacters(),
         [](uint32 b) { return Upper(b) || Lower(b) || Digit(b) || b == '_'; }},
        {"lower-case letter", Ascii::LowerCaseLetters(), [](uint32 b) { return Lower(b); }},
        {"upper-case letter", Ascii::UpperCaseLetters(), [](uint32 b) { return Upper(b); }},
    };
    for (const Case& c : cases) {
        for (uint32 b = 0; b < 256; ++b) {
            EXPECT_EQ(c.set.Contains(static_cast<uint8>(b)), c.member(b)) << c.name << " " << b;
        }
    }
}

TEST(CharacterClasses, AccessorsHandOutOneSetEach) {
    EXPECT_EQ(&Ascii::WhiteSpace(), &Ascii::WhiteSpace());
    EXPECT_FALSE(Ascii::IsWhiteSpace(11));
    EXPECT_FALSE(Ascii::IsWhiteSpace(0xA0));
    EXPECT_TRUE(Ascii::IsWhiteSpace('\r'));
}

} // namespace
