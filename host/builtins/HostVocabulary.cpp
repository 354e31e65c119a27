// The host's own vocabulary: the four host types and the operators, casts and
// properties on them. It enters the registry through the same registration
// objects as any inspector library's, so that there is one way to look up and
// call vocabulary.
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/PropertyRegistration.h"
#include "frame/TypeRegistration.h"
#include "host/arithmetic/FloatingPointArithmetic.h"
#include "host/builtins/DecodedText.h"
#include "host/builtins/HostAggregates.h"
#include "host/builtins/HostValues.h"
#include "host/builtins/NumberText.h"
#include "host/builtins/StringJoin.h"

#include <cstdint>

namespace veritor::host {

namespace {

// --- operators ---------------------------------------------------------------

template <typename T>
struct Compare {
    static auto Key(const T& v) {
        if constexpr (std::is_same_v<T, integer>) {
            return v.Value();
        } else if constexpr (std::is_same_v<T, floating_point>) {
            return v.Number();
        } else if constexpr (std::is_same_v<T, string_value>) {
            return View(v);
        } else {
            return v;
        }
    }
    static boolean_value Equal(const T& a, const T& b) { return Key(a) == Key(b); }
    static boolean_value NotEqual(const T& a, const T& b) { return Key(a) != Key(b); }
    static boolean_value Less(const T& a, const T& b) { return Key(a) < Key(b); }
    static boolean_value LessOrEqual(const T& a, const T& b) { return Key(a) <= Key(b); }
    static boolean_value Greater(const T& a, const T& b) { return Key(a) > Key(b); }
    static boolean_value GreaterOrEqual(const T& a, const T& b) { return Key(a) >= Key(b); }
};

// Integer arithmetic has no value where the exact result does not fit.
integer Checked(bool overflowed, std::int64_t result) {
    if (overflowed) {
        throw NoSuchObject();
    }
    return integer(result);
}
integer AddIntegers(const integer& a, const integer& b) {
    std::int64_t r = 0;
    bool overflowed = __builtin_add_overflow(a.Value(), b.Value(), &r);
    return Checked(overflowed, r);
}
integer SubtractIntegers(const integer& a, const integer& b) {
    std::int64_t r = 0;
    bool overflowed = __builtin_sub_overflow(a.Value(), b.Value(), &r);
    return Checked(overflowed, r);
}
integer MultiplyIntegers(const integer& a, const integer& b) {
    std::int64_t r = 0;
    bool overflowed = __builtin_mul_overflow(a.Value(), b.Value(), &r);
    return Checked(overflowed, r);
}
bool Undividable(const integer& a, const integer& b) {
    return b.Value() == 0 || (b.Value() == -1 && a.Value() == INT64_MIN);
}
integer DivideIntegers(const integer& a, const integer& b) {
    return Checked(Undividable(a, b), Undividable(a, b) ? 0 : a.Value() / b.Value());
}
integer ModuloIntegers(const integer& a, const integer& b) {
    return Checked(Undividable(a, b), Undividable(a, b) ? 0 : a.Value() % b.Value());
}

template <FloatingOperation Operation>
floating_point Floating(const floating_point& a, const floating_point& b) {
    return Compute(Operation, a, b);
}

boolean_value And(const boolean_value& a, const boolean_value& b) {
    return a && b;
}
boolean_value Or(const boolean_value& a, const boolean_value& b) {
    return a || b;
}

string_value Concatenate(const string_value& a, const string_value& b) {
    const string_value* pieces[] = {&a, &b};
    return JoinStrings(pieces);
}

boolean_value Contains(const string_value& a, const string_value& b) {
    return View(a).find(View(b)) != std::string_view::npos;
}

// --- casts and properties ----------------------------------------------------

string_value IntegerText(const integer& v) {
    return MakeString(FormatInteger(v.Value()));
}
string_value BooleanText(const boolean_value& v) {
    return MakeString(v ? "true" : "false");
}
string_value FloatingText(const floating_point& v) {
    return MakeString(FormatNumber(v.Number()));
}

integer IntegerOfText(const string_value& v) {
    auto parsed = ParseInteger(View(v));
    if (!parsed) {
        throw NoSuchObject();
    }
    return integer(*parsed);
}

floating_point FloatingOfText(const string_value& v) {
    auto parsed = ParseNumber(View(v));
    if (!parsed) {
        throw NoSuchObject();
    }
    return FromDouble(*parsed);
}

floating_point FloatingOfInteger(const integer& v) {
    return FromInteger(v.Value());
}

integer Length(const string_value& v) {
    return integer(v.length);
}

// --- registration ------------------------------------------------------------

// An operator on two values of one type.
template <typename Result, typename T>
struct Operator : BinaryOperatorRegistration<Result, T, T> {
    Operator(int code, const char* type, const char* resultType,
             Result (*function)(const T&, const T&))
        : BinaryOperatorRegistration<Result, T, T>(code, type, type, resultType, function,
                                                   InspectorHook) {}
};

// "=" and "!=" on values of one type.
template <typename T>
struct Equality {
    explicit Equality(const char* type)
        : equal(OperatorEqual, type, "boolean", &Compare<T>::Equal)
        , notEqual(OperatorNotEqual, type, "boolean", &Compare<T>::NotEqual) {}
    Operator<boolean_value, T> equal, notEqual;
};

// Equality and the four orderings on values of one type.
template <typename T>
struct Order : Equality<T> {
    explicit Order(const char* type)
        : Equality<T>(type)
        , less(OperatorLess, type, "boolean", &Compare<T>::Less)
        , lessOrEqual(OperatorLessOrEqual, type, "boolean", &Compare<T>::LessOrEqual)
        , greater(OperatorGreater, type, "boolean", &Compare<T>::Greater)
        , greaterOrEqual(OperatorGreaterOrEqual, type, "boolean", &Compare<T>::GreaterOrEqual) {}
    Operator<boolean_value, T> less, lessOrEqual, greater, greaterOrEqual;
};

template <typename Target, typename Source>
struct Cast : CastRegistration<Target, Source> {
    Cast(const char* source, const char* target, Target (*function)(const Source&))
        : CastRegistration<Target, Source>(target, source, target, function, InspectorHook) {}
};

using B = boolean_value;
using I = integer;
using F = floating_point;
using S = string_value;

// Registered as the host library loads and removed in reverse order as it
// unloads, as an inspector library's static objects are.
struct HostVocabulary {
    const TypeRegistration boolean{"boolean", sizeof(B), nullptr};
    const TypeRegistration integers{"integer", sizeof(I), nullptr};
    const TypeRegistration strings{"string", sizeof(S), nullptr};
    const TypeRegistration floatingPoint{"floating point", sizeof(F), nullptr};

    const Operator<S, S> concatenate{OperatorConcatenate, "string", "string", &Concatenate};
    const Operator<B, S> contains{OperatorContains, "string", "boolean", &Contains};
    const Operator<I, I> add{OperatorAdd, "integer", "integer", &AddIntegers};
    const Operator<I, I> subtract{OperatorSubtract, "integer", "integer", &SubtractIntegers};
    const Operator<I, I> multiply{OperatorMultiply, "integer", "integer", &MultiplyIntegers};
    const Operator<I, I> divide{OperatorDivide, "integer", "integer", &DivideIntegers};
    const Operator<I, I> modulo{OperatorModulo, "integer", "integer", &ModuloIntegers};
    const Operator<F, F> addFloating{OperatorAdd, "floating point", "floating point",
                                     &Floating<FloatingOperation::Add>};
    const Operator<F, F> subtractFloating{OperatorSubtract, "floating point", "floating point",
                                          &Floating<FloatingOperation::Subtract>};
    const Operator<F, F> multiplyFloating{OperatorMultiply, "floating point", "floating point",
                                          &Floating<FloatingOperation::Multiply>};
    const Operator<F, F> divideFloating{OperatorDivide, "floating point", "floating point",
                                        &Floating<FloatingOperation::Divide>};
    const Operator<B, B> conjunction{OperatorAnd, "boolean", "boolean", &And};
    const Operator<B, B> disjunction{OperatorOr, "boolean", "boolean", &Or};

    const Equality<B> booleanOrder{"boolean"};
    const Order<I> integerOrder{"integer"};
    const Order<F> floatingPointOrder{"floating point"};
    const Order<S> stringOrder{"string"};

    const Cast<S, I> integerText{"integer", "string", &IntegerText};
    const Cast<S, B> booleanText{"boolean", "string", &BooleanText};
    const Cast<S, F> floatingPointText{"floating point", "string", &FloatingText};
    const Cast<I, S> integerOfText{"string", "integer", &IntegerOfText};
    const Cast<F, S> floatingPointOfText{"string", "floating point", &FloatingOfText};
    const Cast<F, I> floatingPointOfInteger{"integer", "floating point", &FloatingOfInteger};

    const PropertyRegistration<I, NoOperand, S> length{"length",  "lengths", "",           "string",
                                                       "integer", &Length,   InspectorHook};

    // `decoded of file "a.xml"`, or with the bytes as an index, as "file" is.
    const PropertyRegistration<S, NoOperand, S> decoded{
        "decoded", "decodeds", "", "string", "string", &DecodedText, InspectorHook};
    const PropertyRegistration<S, S> decodedIndex{"decoded", "decodeds",   "string",     "",
                                                  "string",  &DecodedText, InspectorHook};
    const Reduction<I, Sum> integerSum{"sum", "sums", "integer"};
    const Reduction<F, Sum> floatingPointSum{"sum", "sums", "floating point"};
    const Reduction<I, Minimum> integerMinimum{"minimum", "minimums", "integer"};
    const Reduction<F, Minimum> floatingPointMinimum{"minimum", "minimums", "floating point"};
    const Reduction<S, Minimum> stringMinimum{"minimum", "minimums", "string"};
    const Reduction<I, Maximum> integerMaximum{"maximum", "maximums", "integer"};
    const Reduction<F, Maximum> floatingPointMaximum{"maximum", "maximums", "floating point"};
    const Reduction<S, Maximum> stringMaximum{"maximum", "maximums", "string"};
};

const HostVocabulary hostVocabulary;

} // namespace

bool IsStringConcatenation(const void* registrationObject) {
    const BinaryOperatorRegistrationBase& concatenate = hostVocabulary.concatenate;
    return registrationObject == &concatenate;
}

} // namespace veritor::host
