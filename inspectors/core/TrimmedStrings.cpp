// "left trimmed string", "right trimmed string" and "trimmed string": the
// operand without white space at its start, its end or both. Each result is
// a slice of the operand, never a copy.
#include "frame/CastRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/VeritorInterface.h"
#include "universe/ascii/CharacterClasses.h"
#include "universe/integers/IntegerTypes.h"

namespace {

bool IsWhiteSpace(char c) {
    return Ascii::IsWhiteSpace(static_cast<uint8>(c));
}

string_value LeftTrimmed(const string_value& text) {
    const char* const end = text.start + text.length;
    const char* first = text.start;
    while (first != end && IsWhiteSpace(*first)) {
        ++first;
    }
    return string_value{first, static_cast<uint32>(end - first)};
}

string_value RightTrimmed(const string_value& text) {
    uint32 length = text.length;
    while (length > 0 && IsWhiteSpace(text.start[length - 1])) {
        --length;
    }
    return string_value{text.start, length};
}

string_value Trimmed(const string_value& text) {
    return RightTrimmed(LeftTrimmed(text));
}

CastRegistration<string_value, string_value> leftTrimmed("left trimmed string", StringTypeName(),
                                                         StringTypeName(), LeftTrimmed,
                                                         InspectorHook);
CastRegistration<string_value, string_value> rightTrimmed("right trimmed string", StringTypeName(),
                                                          StringTypeName(), RightTrimmed,
                                                          InspectorHook);
CastRegistration<string_value, string_value> trimmed("trimmed string", StringTypeName(),
                                                     StringTypeName(), Trimmed, InspectorHook);

} // namespace
