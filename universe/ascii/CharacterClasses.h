// The fixed character classes. Bytes 128..255 belong only to the non-ASCII
// and the non-graphic classes.
#pragma once

#include "universe/ascii/CharacterSet.h"

namespace Ascii {

const CharacterSet& GraphicCharacters();    // 33..126
const CharacterSet& NonGraphicCharacters(); // 0..32, 127..255
const CharacterSet& PrintableCharacters();  // 32..126
const CharacterSet& ControlCharacters();    // 0..31, 127
const CharacterSet& NonAsciiCharacters();   // 128..255
// Tab, line feed, carriage return and space; not vertical tab or form feed.
const CharacterSet& WhiteSpace();
const CharacterSet& BlankCharacters(); // tab and space
const CharacterSet& Letters();
const CharacterSet& Digits();
const CharacterSet& LettersAndDigits();
const CharacterSet& PunctuationCharacters();     // 33..47, 58..64, 91..96, 123..126
const CharacterSet& HexadecimalDigits();         // 0..9, A..F, a..f
const CharacterSet& IdentifierStartCharacters(); // letters and underscore
const CharacterSet& IdentifierCharacters();      // letters, digits and underscore
const CharacterSet& LowerCaseLetters();
const CharacterSet& UpperCaseLetters();

inline bool IsWhiteSpace(uint8 b) {
    return WhiteSpace().Contains(b);
}

inline bool IsDigit(uint8 b) {
    return Digits().Contains(b);
}

} // namespace Ascii
