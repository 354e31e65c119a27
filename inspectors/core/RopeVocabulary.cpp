// The "rope" type and what the query language does with ropes: make one from
// a string, concatenate strings and ropes onto it in constant time, test it
// for a string, measure it and turn it into a string.
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/PropertyRegistration.h"
#include "frame/TypeRegistration.h"
#include "frame/VeritorInterface.h"
#include "inspectors/core/Rope.h"

namespace {

ConstData BytesOf(const string_value& text) {
    return ConstData(text.start, text.length);
}

Rope MakeRope(const string_value& text) {
    return Rope{nullptr, BytesOf(text), nullptr};
}

Rope AppendString(const Rope& left, const string_value& right) {
    return Rope{&left, BytesOf(right), nullptr};
}

Rope PrependString(const string_value& left, const Rope& right) {
    return Rope{nullptr, BytesOf(left), &right};
}

Rope JoinRopes(const Rope& left, const Rope& right) {
    return Rope{&left, ConstData(), &right};
}

boolean_value Contains(const Rope& rope, const string_value& text) {
    return RopeContains(rope, BytesOf(text)) ? 1 : 0;
}

// Counted in 32 bits, as the host's strings are: a rope whose text is longer
// (only sharing can make one) reports its length modulo 2^32.
integer Length(const Rope& rope) {
    return integer(static_cast<int64>(static_cast<uint32>(RopeLength(rope))));
}

ValueTypeRegistration<Rope> ropeType(RopeTypeName());

PropertyRegistration<Rope, string_value> ropeOfString("rope", "ropes", StringTypeName(), "",
                                                      RopeTypeName(), MakeRope, InspectorHook);

BinaryOperatorRegistration<Rope, Rope, string_value>
    ropeThenString(OperatorConcatenate, RopeTypeName(), StringTypeName(), RopeTypeName(),
                   AppendString, InspectorHook);

BinaryOperatorRegistration<Rope, string_value, Rope> stringThenRope(OperatorConcatenate,
                                                                    StringTypeName(),
                                                                    RopeTypeName(), RopeTypeName(),
                                                                    PrependString, InspectorHook);

BinaryOperatorRegistration<Rope, Rope, Rope> ropeThenRope(OperatorConcatenate, RopeTypeName(),
                                                          RopeTypeName(), RopeTypeName(), JoinRopes,
                                                          InspectorHook);

BinaryOperatorRegistration<boolean_value, Rope, string_value>
    ropeContainsString(OperatorContains, RopeTypeName(), StringTypeName(), BooleanTypeName(),
                       Contains, InspectorHook);

PropertyRegistration<integer, NoOperand, Rope>
    lengthOfRope("length", "lengths", "", RopeTypeName(), IntegerTypeName(), Length, InspectorHook);

CastRegistration<string_value, Rope> stringOfRope("string", RopeTypeName(), StringTypeName(),
                                                  RopeToString, InspectorHook);

} // namespace
