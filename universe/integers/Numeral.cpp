#include "universe/integers/Numeral.h"

#include <algorithm>

namespace {

uint8 DigitFor(uint32 n) {
    ASSERT(n < 36);
    return static_cast<uint8>(n < 10 ? '0' + n : 'a' + (n - 10));
}

} // namespace

void Numeral::Build(uint64 magnitude, uint32 base) {
    ASSERT(base > 1);
    ASSERT(base <= 36);
    // A base outside the range would divide by zero or never finish.
    base = std::clamp<uint32>(base, 2, 36);
    uint8* position = storage + maxLength;
    do {
        *--position = DigitFor(static_cast<uint32>(magnitude % base));
        magnitude /= base;
    } while (magnitude != 0);
    first = position;
}

void Numeral::SetMinimumDigits(uint32 minDigits) {
    ASSERT(minDigits <= maxLength - 2);
    minDigits = std::min(minDigits, maxLength - 2);
    uint8* position = storage + (first - storage);
    while (static_cast<uint32>(storage + maxLength - position) < minDigits) {
        *--position = '0';
    }
    first = position;
}

ConstData Numeral::Text() const {
    // The sign is written in front of the digits whenever the text is read,
    // so padding never has to move it.
    if (negative != 0) {
        uint8* signPosition = storage + (first - storage) - 1;
        *signPosition = sign;
        return ConstData(signPosition, storage + maxLength);
    }
    return ConstData(first, storage + maxLength);
}

const uint8* Numeral::LengthPrefixed() {
    const ConstData text = Text();
    const uint32 length = text.Length();
    ASSERT(length <= maxuint8);
    uint8* lengthPosition = storage + (text.Start() - storage) - 1;
    *lengthPosition = static_cast<uint8>(length);
    return lengthPosition;
}
