// The recording host: a stand-in for the host in tests. The test executable
// defines the host functions an inspector library calls (registration,
// removal, inspector memory, arithmetic), records every call with its
// arguments, and drives the recorded callbacks as the host would.
//
// In a test of the inspector library (a .cpp under tests/inspectors/<area>/):
//
//   #include "tests/support/InspectorLibrary.h"   // loads the library
//   using namespace RecordingHost;
//   using Ropes = LoadedInspectors;  // fresh recording, library loaded
//
//   TEST_F(Ropes, ...) {
//       // A registration by kind, name (an operator by its code) and the
//       // operand types: direct object or element or left or source first,
//       // then index or right. Types left out match any.
//       const auto make = Find<PropertyCall>("rope", "", "string");
//       const auto asString = Find<CastCall>("string", "rope");
//       // Operands are addresses of host values, in the callback's order.
//       const string_value ab = StringValue("ab");
//       const auto rope = Evaluate(make, &ab, nullptr);  // a library value
//       const auto text = Evaluate<string_value>(asString, rope.Address());
//       EXPECT_EQ(View(*text), "ab");
//       EXPECT_FALSE(Evaluate<integer>(numericValue, nullptr, &empty)); // no value
//       EXPECT_EQ(RunAggregate<integer>(product, std::vector<integer>{2, 3})->Value(), 6);
//   }
//
// Values the callbacks produce stay in host storage until the test ends (or
// ReleaseValues), so that they can be operands of further calls; those of a
// registered type are then destroyed with its destroyValue callback.
// Executables that load a library must export these definitions
// (ENABLE_EXPORTS), so that the loader binds the library to them.
#pragma once

#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <variant>
#include <vector>

namespace RecordingHost {

// A text argument as passed: null stays distinguishable from "".
using Text = std::optional<std::string>;

// One struct per registration function, holding its arguments. Arguments()
// lists those after the object, for Describe; Key() the name and the operand
// types, in the order Find takes them.
struct TypeCall {
    void* object;
    unsigned hostAreaSize;
    Text typeName;
    unsigned valueSize;
    DestroyValueCallback destroyValue;
    Text baseTypeName;
    const void* reserved;

    static constexpr const char* function = "Register_Type";
    auto Arguments() const {
        return std::tie(hostAreaSize, typeName, valueSize, destroyValue, baseTypeName, reserved);
    }
    auto Key() const { return std::tie(typeName); }
};

struct PropertyCall {
    void* object;
    unsigned hostAreaSize;
    Text name, pluralName, indexType, directObjectType, resultType;
    PropertyCallback evaluate;
    const void* registration;
    HookCallback hook;

    static constexpr const char* function = "Register_Property";
    auto Arguments() const {
        return std::tie(hostAreaSize, name, pluralName, indexType, directObjectType, resultType,
                        evaluate, registration, hook);
    }
    auto Key() const { return std::tie(name, directObjectType, indexType); }
};

struct IteratedPropertyCall {
    void* object;
    unsigned hostAreaSize;
    Text name, pluralName, indexType, directObjectType, resultType;
    unsigned stateSize;
    ConstructStateCallback constructState;
    DestroyStateCallback destroyState;
    IterationCallback first, next;
    const void* registration;
    HookCallback hook;

    static constexpr const char* function = "Register_Iterated_Property";
    auto Arguments() const {
        return std::tie(hostAreaSize, name, pluralName, indexType, directObjectType, resultType,
                        stateSize, constructState, destroyState, first, next, registration, hook);
    }
    auto Key() const { return std::tie(name, directObjectType, indexType); }
};

struct AggregatePropertyCall {
    void* object;
    unsigned hostAreaSize;
    Text name, pluralName, indexType, elementType, resultType;
    unsigned stateSize;
    ConstructStateCallback constructState;
    DestroyStateCallback destroyState;
    AggregateCallback begin, beginAlt, add, addAlt, finish, finishAlt;
    const void* registration;
    HookCallback hook;

    static constexpr const char* function = "Register_Aggregate_Property";
    auto Arguments() const {
        return std::tie(hostAreaSize, name, pluralName, indexType, elementType, resultType,
                        stateSize, constructState, destroyState, begin, beginAlt, add, addAlt,
                        finish, finishAlt, registration, hook);
    }
    auto Key() const { return std::tie(name, elementType, indexType); }
};

struct BinaryOperatorCall {
    void* object;
    unsigned hostAreaSize;
    int operatorCode;
    Text leftType, rightType, resultType;
    BinaryOperatorCallback evaluate;
    const void* registration;
    HookCallback hook;

    static constexpr const char* function = "Register_Binary_Operator";
    auto Arguments() const {
        return std::tie(hostAreaSize, operatorCode, leftType, rightType, resultType, evaluate,
                        registration, hook);
    }
    auto Key() const { return std::tie(operatorCode, leftType, rightType); }
};

struct CastCall {
    void* object;
    unsigned hostAreaSize;
    Text castName, sourceType, targetType;
    CastCallback evaluate;
    const void* registration;
    HookCallback hook;

    static constexpr const char* function = "Register_Cast";
    auto Arguments() const {
        return std::tie(hostAreaSize, castName, sourceType, targetType, evaluate, registration,
                        hook);
    }
    auto Key() const { return std::tie(castName, sourceType); }
};

enum class Removal { Type, Property, BinaryOperator, Cast };

struct UnregisterCall {
    Removal kind;
    void* object;

    auto Arguments() const { return std::tuple<>(); }
    auto Key() const { return std::tuple<Text>(); } // matches nothing
};

using Call = std::variant<TypeCall, PropertyCall, IteratedPropertyCall, AggregatePropertyCall,
                          BinaryOperatorCall, CastCall, UnregisterCall>;

// --- What was recorded ------------------------------------------------------

// Every registration and removal call so far, in order.
const std::vector<Call>& Calls();
// Releases the values, forgets the calls and frees all inspector memory.
void Reset();

// Registration calls only, and removal calls only, each in order.
std::vector<Call> Registrations();
std::vector<UnregisterCall> Removals();

// The object a call registered or removed.
void* ObjectOf(const Call& call);
// One line per call with the arguments after the object, for comparing whole
// calls at once: texts quoted (null for a null text), numbers in decimal,
// callbacks and hook as fn or null, and the registration argument as self
// when it is the object itself. For example:
//   Register_Cast(128, "string", "rope", "string", fn, self, fn)
std::string Describe(const Call& call);

// Whether a registration has this name (an operator: its code in decimal) and
// these operand types, in the order Find takes them.
bool Matches(const Call& call, std::string_view name, std::span<const std::string_view> types);

// The first registration of this kind that matches; throws (failing the test
// with what was looked for) when there is none.
template <typename Kind, typename... Types>
Kind Find(std::conditional_t<std::is_same_v<Kind, BinaryOperatorCall>, int, std::string_view> name,
          const Types&... operandTypes) {
    const std::string_view types[] = {"", std::string_view(operandTypes)...};
    const std::span<const std::string_view> given(types + 1, sizeof...(Types));
    std::string key;
    if constexpr (std::is_same_v<Kind, BinaryOperatorCall>) {
        key = std::to_string(name);
    } else {
        key = name;
    }
    for (const Call& call : Calls()) {
        if (const Kind* found = std::get_if<Kind>(&call); found && Matches(call, key, given)) {
            return *found;
        }
    }
    for (std::string_view type : given) {
        key.append(" / ").append(type);
    }
    throw std::out_of_range("no registration of that kind for " + key);
}

// --- Driving the callbacks --------------------------------------------------

// Host-side storage for one value or state: suitably aligned, filled with a
// marker byte so that tests can see whether anything was written.
class Storage {
public:
    static constexpr std::byte untouched{0xA5};

    explicit Storage(std::size_t size);
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;

    void* Address() { return bytes.data(); }
    bool Untouched() const;

private:
    std::vector<std::max_align_t> words;
    std::span<std::byte> bytes;
};

// A value a callback produced, or nothing when it said "no value". Reading an
// empty one throws, which fails the test instead of crashing it.
template <typename T = void>
class Produced {
public:
    explicit Produced(const void* address)
        : address(address) {}

    explicit operator bool() const { return address != nullptr; }
    const void* Address() const { return address; }

    template <typename U = T>
    const U& operator*() const {
        return *Get<U>();
    }
    template <typename U = T>
    const U* operator->() const {
        return Get<U>();
    }

private:
    template <typename U>
    const U* Get() const {
        if (address == nullptr) {
            throw std::logic_error("read a call that had no value");
        }
        return static_cast<const U*>(address);
    }

    const void* address;
};

// How a produced value is made and kept. The storage is as large as the result
// type's registered value size, or `size` (that of the C++ type) if larger;
// `destroy` is used when no registered type says how.
struct ResultKind {
    std::string_view type;
    std::size_t size;
    DestroyValueCallback destroy;
};

template <typename T>
ResultKind KindOf(const Text& resultType) {
    const std::string_view type = resultType ? std::string_view(*resultType) : "";
    if constexpr (std::is_void_v<T>) {
        return {type, 0, nullptr};
    } else if constexpr (std::is_trivially_destructible_v<T>) {
        return {type, sizeof(T), nullptr};
    } else {
        return {type, sizeof(T), [](void* v) { static_cast<T*>(v)->~T(); }};
    }
}

// The callbacks through the kind-independent parts below.
const void* Produce(const ResultKind& kind, const std::function<void*(void*)>& callback);
std::vector<const void*> IterateAll(const IteratedPropertyCall& call, const ResultKind& kind,
                                    const void* index, const void* directObject);
const void* Aggregate(const AggregatePropertyCall& call, const ResultKind& kind,
                      std::span<const void* const> elements, const void* index);

template <typename Result = void>
Produced<Result> Evaluate(const PropertyCall& call, const void* index, const void* directObject) {
    return Produced<Result>(Produce(KindOf<Result>(call.resultType), [&](void* storage) {
        return call.evaluate(storage, index, directObject, nullptr, call.registration);
    }));
}

template <typename Result = void>
Produced<Result> Evaluate(const BinaryOperatorCall& call, const void* left, const void* right) {
    return Produced<Result>(Produce(KindOf<Result>(call.resultType), [&](void* storage) {
        return call.evaluate(storage, left, right, call.registration);
    }));
}

template <typename Result = void>
Produced<Result> Evaluate(const CastCall& call, const void* source) {
    return Produced<Result>(Produce(KindOf<Result>(call.targetType), [&](void* storage) {
        return call.evaluate(storage, source, call.registration);
    }));
}

// Every value of an iterated property, first then next until "no value".
template <typename Result = void>
std::vector<Produced<Result>> Iterate(const IteratedPropertyCall& call, const void* index,
                                      const void* directObject) {
    std::vector<Produced<Result>> values;
    for (const void* value :
         IterateAll(call, KindOf<Result>(call.resultType), index, directObject)) {
        values.emplace_back(value);
    }
    return values;
}

// One evaluation of an aggregate as the host runs it: constructState, begin,
// add per element, finish; destroyState when the values are released, since
// the result may view the state. Fails the test if begin or an add yields a
// value. Elements are host values, or addresses of library values.
template <typename Result = void, typename Element>
Produced<Result> RunAggregate(const AggregatePropertyCall& call,
                              const std::vector<Element>& elements, const void* index = nullptr) {
    std::vector<const void*> addresses;
    for (const Element& element : elements) {
        if constexpr (std::is_same_v<Element, const void*>) {
            addresses.push_back(element);
        } else {
            addresses.push_back(&element);
        }
    }
    return Produced<Result>(Aggregate(call, KindOf<Result>(call.resultType), addresses, index));
}

// Destroys the produced values, newest first. The library that made them must
// still be loaded.
void ReleaseValues();

// A host string over the given bytes (which must outlive it), and the bytes
// of one.
string_value StringValue(std::string_view text);
std::string_view View(const string_value& text);

} // namespace RecordingHost
