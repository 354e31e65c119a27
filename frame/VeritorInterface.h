// What an inspector library needs of the host evaluator Veritor: the functions
// through which registrations enter and leave the host, inspector memory, the
// host's value representations and the arithmetic on them.
//
// The functions are implemented by the host, not by the inspector library:
// the library leaves them undefined and the dynamic loader binds them to the
// process that loads it, as a Windows DLL imports them from its host.
#pragma once

#include <cstdint>

// veritor.dll exports these functions on Windows; a library that calls them
// imports them from it by name.
#if defined(_WIN32) && defined(VERITOR_BUILDING_HOST)
#define VERITOR_HOST_INTERFACE __declspec(dllexport)
#else
#define VERITOR_HOST_INTERFACE
#endif

// --- Evaluation callbacks --------------------------------------------------
//
// Every callback that yields a value receives storage of the result type's
// value size first and returns the address of the value it constructed there
// (or throws NoSuchObject: "no value"). The registration object comes last.

// A property: (result, index, direct object, unused word, registration).
using PropertyCallback = void* (*)(void* resultStorage, const void* index, const void* directObject,
                                   void* unused, const void* registration);
// `first` and `next` of an iterated property.
using IterationCallback = void* (*)(void* resultStorage, const void* index,
                                    const void* directObject, void* state,
                                    const void* registration);
// The six state operations of an aggregate: begin, beginAlt, add, addAlt,
// finish, finishAlt.
using AggregateCallback = void* (*)(void* resultStorage, const void* index, const void* element,
                                    void* state, const void* registration);
using BinaryOperatorCallback = void* (*)(void* resultStorage, const void* left, const void* right,
                                         const void* registration);
using CastCallback = void* (*)(void* resultStorage, const void* source, const void* registration);

// Construct a state in host storage of the declared size; destroy one in place.
using ConstructStateCallback = void* (*)(void* stateStorage);
using DestroyStateCallback = void (*)(void* state);
// Destroy a value of a library type in place; the storage stays the host's.
using DestroyValueCallback = void (*)(void* value);
using HookCallback = void (*)();

// Host codes of the binary operators.
enum BinaryOperatorCode : int {
    OperatorAdd = 1,
    OperatorSubtract = 2,
    OperatorMultiply = 3,
    OperatorDivide = 4,
    OperatorConcatenate = 5,
    OperatorEqual = 6,
    OperatorNotEqual = 7,
    OperatorLess = 8,
    OperatorLessOrEqual = 9,
    OperatorGreater = 10,
    OperatorContains = 11,
    OperatorGreaterOrEqual = 12,
    OperatorModulo = 13,
    OperatorAnd = 14,
    OperatorOr = 15,
};

// --- Registration and removal ----------------------------------------------
//
// Type names are zero-terminated texts; in the index and direct-object
// positions an empty text means "none". A type without a base passes null.
// The results say whether the host accepted the call; libraries ignore them.

extern "C" {

VERITOR_HOST_INTERFACE int Register_Type(void* object, unsigned hostAreaSize, const char* typeName,
                                         unsigned valueSize, DestroyValueCallback destroyValue,
                                         const char* baseTypeName, const void* reserved);

VERITOR_HOST_INTERFACE int Register_Property(void* object, unsigned hostAreaSize, const char* name,
                                             const char* pluralName, const char* indexType,
                                             const char* directObjectType, const char* resultType,
                                             PropertyCallback evaluate, const void* registration,
                                             HookCallback hook);

VERITOR_HOST_INTERFACE int Register_Iterated_Property(
    void* object, unsigned hostAreaSize, const char* name, const char* pluralName,
    const char* indexType, const char* directObjectType, const char* resultType, unsigned stateSize,
    ConstructStateCallback constructState, DestroyStateCallback destroyState,
    IterationCallback first, IterationCallback next, const void* registration, HookCallback hook);

VERITOR_HOST_INTERFACE int Register_Aggregate_Property(
    void* object, unsigned hostAreaSize, const char* name, const char* pluralName,
    const char* indexType, const char* elementType, const char* resultType, unsigned stateSize,
    ConstructStateCallback constructState, DestroyStateCallback destroyState,
    AggregateCallback begin, AggregateCallback beginAlt, AggregateCallback add,
    AggregateCallback addAlt, AggregateCallback finish, AggregateCallback finishAlt,
    const void* registration, HookCallback hook);

VERITOR_HOST_INTERFACE int Register_Binary_Operator(void* object, unsigned hostAreaSize,
                                                    int operatorCode, const char* leftType,
                                                    const char* rightType, const char* resultType,
                                                    BinaryOperatorCallback evaluate,
                                                    const void* registration, HookCallback hook);

VERITOR_HOST_INTERFACE int Register_Cast(void* object, unsigned hostAreaSize, const char* castName,
                                         const char* sourceType, const char* targetType,
                                         CastCallback evaluate, const void* registration,
                                         HookCallback hook);

VERITOR_HOST_INTERFACE int Unregister_Type(void* object);
VERITOR_HOST_INTERFACE int Unregister_Property(void* object);
VERITOR_HOST_INTERFACE int Unregister_Binary_Operator(void* object);
VERITOR_HOST_INTERFACE int Unregister_Cast(void* object);

// A block of at least `size` bytes that lives until the host has finished
// with the current evaluation. Never null; never freed by the library.
VERITOR_HOST_INTERFACE void* Allocate_Inspector_Memory(unsigned size);

} // extern "C"

// --- Host values ------------------------------------------------------------

// "boolean": one byte, 0 or 1.
using boolean_value = std::uint8_t;

// "string": the address of the first byte and the length in bytes, with no
// terminating zero.
struct string_value {
    const char* start;
    std::uint32_t length;
};

// "integer": a signed 64-bit number.
class integer {
public:
    integer() = default;
    constexpr integer(std::int64_t v)
        : value(v) {}
    constexpr std::int64_t Value() const { return value; }

private:
    std::int64_t value = 0;
};

// Floating-point status flags as "floating point" values carry them.
enum FloatingPointFlags : std::uint32_t {
    FloatingPointInexact = 1,
    FloatingPointUnderflow = 2,
    FloatingPointOverflow = 4,
    FloatingPointDivisionByZero = 8,
    FloatingPointInvalid = 16,
};

// "floating point": the number, a second double the host carries along, and
// the status flags raised in computing the number. Packed to 20 bytes.
#pragma pack(push, 4)
class floating_point {
public:
    floating_point() = default;
    constexpr floating_point(double n, double s, std::uint32_t f)
        : number(n)
        , second(s)
        , flags(f) {}

    constexpr double Number() const { return number; }
    constexpr double Second() const { return second; }
    constexpr std::uint32_t Flags() const { return flags; }

private:
    double number = 0.0;
    double second = 2.2250738585072014e-308;
    std::uint32_t flags = 0;
};
#pragma pack(pop)
static_assert(sizeof(floating_point) == 20);

// The host's arithmetic, implemented by the host.
VERITOR_HOST_INTERFACE integer operator+(integer a, integer b);
VERITOR_HOST_INTERFACE floating_point operator+(floating_point a, floating_point b);
VERITOR_HOST_INTERFACE floating_point operator*(floating_point a, floating_point b);
VERITOR_HOST_INTERFACE floating_point operator/(floating_point a, integer b);
VERITOR_HOST_INTERFACE floating_point asFloatingPoint(integer a);
