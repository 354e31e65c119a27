#include "universe/ascii/CharacterClasses.h"

#include <gtest/gtest.h>
#include <string_view>

namespace {

// Each class at the edges of its ranges: the first and last bytes of each
// range are members, the bytes just outside are not. Bytes 128..255 belong
// only to the non-ASCII and non-graphic classes.
TEST(CharacterClasses, EndWhereTheirRangesEnd) {
    using namespace Ascii;
    const struct {
        const char* name;
        const CharacterSet& set;
        std::string_view in, out;
    } cases[] = {
        {"graphic", GraphicCharacters(), "!~", " \x7f\x80"},
        {"not graphic", NonGraphicCharacters(), " \x7f\x80\xff", "!~"},
        {"printable", PrintableCharacters(), " ~", "\x1f\x7f\x80"},
        {"control", ControlCharacters(), std::string_view("\0\x1f\x7f", 3), " ~\x80"},
        {"non-ASCII", NonAsciiCharacters(), "\x80\xff", "\x7f"},
        {"white space", WhiteSpace(), "\t\n\r ", "\x08\v\f\x0e!\x80"},
        {"blank", BlankCharacters(), "\t ", "\x08\n\x1f!\x80"},
        {"letter", Letters(), "AZaz", "@[`{\xc1"},
        {"digit", Digits(), "09", "/:\xb9"},
        {"letter or digit", LettersAndDigits(), "09AZaz", "/:@[`{\xb0"},
        {"punctuation", PunctuationCharacters(), "!/:@[`{~", " 09AZaz\x7f\xa1"},
        {"hexadecimal", HexadecimalDigits(), "09AFaf", "/:@G`g\xc1"},
        {"identifier start", IdentifierStartCharacters(), "AZaz_", "09@[`{\xdf"},
        {"identifier", IdentifierCharacters(), "09AZaz_", "/:@[`{\xdf"},
        {"lower case", LowerCaseLetters(), "az", "`{AZ\xe1"},
        {"upper case", UpperCaseLetters(), "AZ", "@[az\xc1"},
    };
    for (const auto& c : cases) {
        for (const char b : c.in) {
            EXPECT_TRUE(c.set.Contains(static_cast<uint8>(b))) << c.name << " " << int(uint8(b));
        }
        for (const char b : c.out) {
            EXPECT_FALSE(c.set.Contains(static_cast<uint8>(b))) << c.name << " " << int(uint8(b));
        }
    }
}

} // namespace
