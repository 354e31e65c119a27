// "numeric value" of a string: the first run of decimal digits in it, read as
// an integer. Whatever comes before the first digit (signs included) is
// skipped; the first non-digit after it ends the number.
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/PropertyRegistration.h"
#include "frame/VeritorInterface.h"
#include "universe/ascii/CharacterClasses.h"
#include "universe/integers/IntegerTypes.h"

namespace {

bool IsDigit(char c) {
    return Ascii::IsDigit(static_cast<uint8>(c));
}

integer NumericValue(const string_value& text) {
    const char* const end = text.start + text.length;
    const char* c = text.start;
    while (c != end && !IsDigit(*c)) {
        ++c;
    }
    if (c == end) {
        throw NoSuchObject();
    }
    int64 value = 0;
    for (; c != end && IsDigit(*c); ++c) {
        const int digit = *c - '0';
        if (value > (maxint64 - digit) / 10) {
            throw NoSuchObject();
        }
        value = value * 10 + digit;
    }
    return integer(value);
}

PropertyRegistration<integer, NoOperand, string_value>
    numericValue("numeric value", "numeric values", "", StringTypeName(), IntegerTypeName(),
                 NumericValue, InspectorHook);

} // namespace
