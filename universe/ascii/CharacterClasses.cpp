#include "universe/ascii/CharacterClasses.h"

namespace Ascii {

namespace {
constexpr uint32 all = 0xFFFFFFFF;
} // namespace

const CharacterSet& GraphicCharacters() {
    static const CharacterSet set(0, 0xFFFFFFFE, all, 0x7FFFFFFF, 0, 0, 0, 0);
    return set;
}

const CharacterSet& NonGraphicCharacters() {
    static const CharacterSet set(all, 1, 0, 0x80000000, all, all, all, all);
    return set;
}

const CharacterSet& PrintableCharacters() {
    static const CharacterSet set(0, all, all, 0x7FFFFFFF, 0, 0, 0, 0);
    return set;
}

const CharacterSet& ControlCharacters() {
    static const CharacterSet set(all, 0, 0, 0x80000000, 0, 0, 0, 0);
    return set;
}

const CharacterSet& NonAsciiCharacters() {
    static const CharacterSet set(0, 0, 0, 0, all, all, all, all);
    return set;
}

const CharacterSet& WhiteSpace() {
    static const CharacterSet set(0x2600, 1, 0, 0, 0, 0, 0, 0);
    return set;
}

const CharacterSet& BlankCharacters() {
    static const CharacterSet set(0x200, 1, 0, 0, 0, 0, 0, 0);
    return set;
}

const CharacterSet& Letters() {
    static const CharacterSet set(0, 0, 0x7FFFFFE, 0x7FFFFFE, 0, 0, 0, 0);
    return set;
}

const CharacterSet& Digits() {
    static const CharacterSet set(0, 0x3FF0000, 0, 0, 0, 0, 0, 0);
    return set;
}

const CharacterSet& LettersAndDigits() {
    static const CharacterSet set(0, 0x3FF0000, 0x7FFFFFE, 0x7FFFFFE, 0, 0, 0, 0);
    return set;
}

const CharacterSet& PunctuationCharacters() {
    static const CharacterSet set(0, 0xFC00FFFE, 0xF8000001, 0x78000001, 0, 0, 0, 0);
    return set;
}

const CharacterSet& HexadecimalDigits() {
    static const CharacterSet set(0, 0x3FF0000, 0x7E, 0x7E, 0, 0, 0, 0);
    return set;
}

const CharacterSet& IdentifierStartCharacters() {
    static const CharacterSet set(0, 0, 0x87FFFFFE, 0x7FFFFFE, 0, 0, 0, 0);
    return set;
}

const CharacterSet& IdentifierCharacters() {
    static const CharacterSet set(0, 0x3FF0000, 0x87FFFFFE, 0x7FFFFFE, 0, 0, 0, 0);
    return set;
}

const CharacterSet& LowerCaseLetters() {
    static const CharacterSet set(0, 0, 0, 0x7FFFFFE, 0, 0, 0, 0);
    return set;
}

const CharacterSet& UpperCaseLetters() {
    static const CharacterSet set(0, 0, 0x7FFFFFE, 0, 0, 0, 0, 0);
    return set;
}

} // namespace Ascii
