#include "universe/ascii/CharacterClasses.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

// Against the C library's classes in the C locale (bytes 128..255 belong to
// none of them), over every byte. White space is the C library's without
// vertical tab and form feed.
TEST(CharacterClasses, AgreeWithTheCLibraryOnEveryByte) {
    using namespace Ascii;
    const std::pair<const CharacterSet&, bool (*)(int)> classes[] = {
        {GraphicCharacters(), [](int b) { return isgraph(b) != 0; }},
        {NonGraphicCharacters(), [](int b) { return isgraph(b) == 0; }},
        {PrintableCharacters(), [](int b) { return isprint(b) != 0; }},
        {ControlCharacters(), [](int b) { return iscntrl(b) != 0; }},
        {NonAsciiCharacters(), [](int b) { return b >= 128; }},
        {WhiteSpace(), [](int b) { return isspace(b) != 0 && b != '\v' && b != '\f'; }},
        {BlankCharacters(), [](int b) { return isblank(b) != 0; }},
        {Letters(), [](int b) { return isalpha(b) != 0; }},
        {Digits(), [](int b) { return isdigit(b) != 0; }},
        {LettersAndDigits(), [](int b) { return isalnum(b) != 0; }},
        {PunctuationCharacters(), [](int b) { return ispunct(b) != 0; }},
        {HexadecimalDigits(), [](int b) { return isxdigit(b) != 0; }},
        {IdentifierStartCharacters(), [](int b) { return isalpha(b) != 0 || b == '_'; }},
        {IdentifierCharacters(), [](int b) { return isalnum(b) != 0 || b == '_'; }},
        {LowerCaseLetters(), [](int b) { return islower(b) != 0; }},
        {UpperCaseLetters(), [](int b) { return isupper(b) != 0; }}};
    for (std::size_t c = 0; c < std::size(classes); ++c) {
        for (int b = 0; b < 256; ++b) {
            EXPECT_EQ(classes[c].first.Contains(uint8(b)), classes[c].second(b))
                << "class " << c << ", byte " << b;
        }
    }
}

} // namespace
