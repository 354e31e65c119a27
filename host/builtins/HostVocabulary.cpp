// The host's own vocabulary: the four host types and the operators, casts and
// properties on them. It enters the registry through the same Register_*
// calls as any inspector library's, from registration objects shaped like a
// library's, so that there is one way to look up and call vocabulary.
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"
#include "host/arithmetic/FloatingPointArithmetic.h"
#include "host/builtins/HostValues.h"
#include "host/builtins/NumberText.h"

#include <array>
#include <cstdint>
#include <vector>

namespace veritor::host {

namespace {

struct alignas(8) TypeObject {
    unsigned char hostArea[512];
};

struct alignas(8) RegistrationObject {
    unsigned char hostArea[128];
};

template <typename T>
void* Construct(void* storage, const T& value) {
    return storage == nullptr ? nullptr : new (storage) T(value);
}

// --- operators ---------------------------------------------------------------

template <typename L, typename R, typename Result, Result (*F)(const L&, const R&)>
void* Binary(void* storage, const void* left, const void* right, const void*) {
    if (storage == nullptr) {
        return nullptr;
    }
    return Construct(storage, F(Read<L>(left), Read<R>(right)));
}

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
    std::string joined;
    joined.reserve(std::size_t{a.length} + b.length);
    joined.append(View(a)).append(View(b));
    return MakeString(joined);
}

boolean_value Contains(const string_value& a, const string_value& b) {
    return View(a).find(View(b)) != std::string_view::npos;
}

// --- casts and properties ----------------------------------------------------

template <typename S, typename Result, Result (*F)(const S&)>
void* Cast(void* storage, const void* source, const void*) {
    if (storage == nullptr) {
        return nullptr;
    }
    return Construct(storage, F(Read<S>(source)));
}

template <typename S, typename Result, Result (*F)(const S&)>
void* Property(void* storage, const void*, const void* object, void*, const void*) {
    if (storage == nullptr) {
        return nullptr;
    }
    return Construct(storage, F(Read<S>(object)));
}

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

struct OperatorEntry {
    int code;
    const char* left;
    const char* right;
    const char* result;
    BinaryOperatorCallback evaluate;
};

struct CastEntry {
    const char* name;
    const char* source;
    const char* target;
    CastCallback evaluate;
};

template <typename T>
void AddComparisons(std::vector<OperatorEntry>& entries, const char* type, bool ordered) {
    using C = Compare<T>;
    entries.push_back(
        {OperatorEqual, type, type, "boolean", Binary<T, T, boolean_value, &C::Equal>});
    entries.push_back(
        {OperatorNotEqual, type, type, "boolean", Binary<T, T, boolean_value, &C::NotEqual>});
    if (!ordered) {
        return;
    }
    entries.push_back({OperatorLess, type, type, "boolean", Binary<T, T, boolean_value, &C::Less>});
    entries.push_back(
        {OperatorLessOrEqual, type, type, "boolean", Binary<T, T, boolean_value, &C::LessOrEqual>});
    entries.push_back(
        {OperatorGreater, type, type, "boolean", Binary<T, T, boolean_value, &C::Greater>});
    entries.push_back({OperatorGreaterOrEqual, type, type, "boolean",
                       Binary<T, T, boolean_value, &C::GreaterOrEqual>});
}

std::vector<OperatorEntry> Operators() {
    using I = integer;
    using F = floating_point;
    using S = string_value;
    using B = boolean_value;
    std::vector<OperatorEntry> entries = {
        {OperatorConcatenate, "string", "string", "string", Binary<S, S, S, &Concatenate>},
        {OperatorContains, "string", "string", "boolean", Binary<S, S, B, &Contains>},
        {OperatorAdd, "integer", "integer", "integer", Binary<I, I, I, &AddIntegers>},
        {OperatorSubtract, "integer", "integer", "integer", Binary<I, I, I, &SubtractIntegers>},
        {OperatorMultiply, "integer", "integer", "integer", Binary<I, I, I, &MultiplyIntegers>},
        {OperatorDivide, "integer", "integer", "integer", Binary<I, I, I, &DivideIntegers>},
        {OperatorModulo, "integer", "integer", "integer", Binary<I, I, I, &ModuloIntegers>},
        {OperatorAdd, "floating point", "floating point", "floating point",
         Binary<F, F, F, &Floating<FloatingOperation::Add>>},
        {OperatorSubtract, "floating point", "floating point", "floating point",
         Binary<F, F, F, &Floating<FloatingOperation::Subtract>>},
        {OperatorMultiply, "floating point", "floating point", "floating point",
         Binary<F, F, F, &Floating<FloatingOperation::Multiply>>},
        {OperatorDivide, "floating point", "floating point", "floating point",
         Binary<F, F, F, &Floating<FloatingOperation::Divide>>},
        {OperatorAnd, "boolean", "boolean", "boolean", Binary<B, B, B, &And>},
        {OperatorOr, "boolean", "boolean", "boolean", Binary<B, B, B, &Or>},
    };
    AddComparisons<boolean_value>(entries, "boolean", false);
    AddComparisons<integer>(entries, "integer", true);
    AddComparisons<floating_point>(entries, "floating point", true);
    AddComparisons<string_value>(entries, "string", true);
    return entries;
}

const std::array<CastEntry, 6> casts = {{
    {"string", "integer", "string", Cast<integer, string_value, &IntegerText>},
    {"string", "boolean", "string", Cast<boolean_value, string_value, &BooleanText>},
    {"string", "floating point", "string", Cast<floating_point, string_value, &FloatingText>},
    {"integer", "string", "integer", Cast<string_value, integer, &IntegerOfText>},
    {"floating point", "string", "floating point",
     Cast<string_value, floating_point, &FloatingOfText>},
    {"floating point", "integer", "floating point",
     Cast<integer, floating_point, &FloatingOfInteger>},
}};

void Nothing() {}

// Registers everything when the host library loads and removes it in reverse
// order when it unloads, as an inspector library's static objects do.
class HostVocabulary {
public:
    // Out of memory while the host library loads leaves nothing to run: the
    // process ends then, as it does for a library's registration objects.
    HostVocabulary() noexcept
        : operators(Operators())
        , operatorObjects(operators.size()) {
        Register_Type(&types[0], sizeof(TypeObject), "boolean", sizeof(boolean_value), nullptr,
                      nullptr, nullptr);
        Register_Type(&types[1], sizeof(TypeObject), "integer", sizeof(integer), nullptr, nullptr,
                      nullptr);
        Register_Type(&types[2], sizeof(TypeObject), "string", sizeof(string_value), nullptr,
                      nullptr, nullptr);
        Register_Type(&types[3], sizeof(TypeObject), "floating point", sizeof(floating_point),
                      nullptr, nullptr, nullptr);
        for (std::size_t i = 0; i < operators.size(); ++i) {
            const OperatorEntry& e = operators[i];
            Register_Binary_Operator(&operatorObjects[i], sizeof(RegistrationObject), e.code,
                                     e.left, e.right, e.result, e.evaluate, &operatorObjects[i],
                                     Nothing);
        }
        for (std::size_t i = 0; i < casts.size(); ++i) {
            const CastEntry& e = casts[i];
            Register_Cast(&castObjects[i], sizeof(RegistrationObject), e.name, e.source, e.target,
                          e.evaluate, &castObjects[i], Nothing);
        }
        Register_Property(&length, sizeof(RegistrationObject), "length", "lengths", "", "string",
                          "integer", Property<string_value, integer, &Length>, &length, Nothing);
    }

    HostVocabulary(const HostVocabulary&) = delete;
    HostVocabulary& operator=(const HostVocabulary&) = delete;

    ~HostVocabulary() {
        Unregister_Property(&length);
        for (std::size_t i = castObjects.size(); i-- > 0;) {
            Unregister_Cast(&castObjects[i]);
        }
        for (std::size_t i = operatorObjects.size(); i-- > 0;) {
            Unregister_Binary_Operator(&operatorObjects[i]);
        }
        for (std::size_t i = types.size(); i-- > 0;) {
            Unregister_Type(&types[i]);
        }
    }

private:
    std::vector<OperatorEntry> operators;
    std::array<TypeObject, 4> types{};
    std::vector<RegistrationObject> operatorObjects;
    std::array<RegistrationObject, casts.size()> castObjects{};
    RegistrationObject length{};
};

const HostVocabulary hostVocabulary;

} // namespace

} // namespace veritor::host
