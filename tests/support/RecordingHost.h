// The recording host: a stand-in for the host in tests. The test executable
// defines the host functions an inspector library calls (registration,
// removal and inspector memory; the arithmetic is the host's own), records
// every call with its arguments, and drives the recorded callbacks as the
// host would.
//
//   using namespace RecordingHost;
//   // A registration by kind, name (an operator by its code) and operand
//   // types: direct object, element, left or source first, then index or
//   // right. Types left out match any.
//   const auto make = Find<PropertyCall>("rope", "", "string");
//   const string_value ab = StringValue("ab");
//   const Rope* rope = Evaluate<Rope>(make, &ab, nullptr); // null: no value
//   EXPECT_EQ(View(*Evaluate<string_value>(Find<CastCall>("string", "rope"), rope)), "ab");
//   EXPECT_EQ(RunAggregate<integer>(product, std::vector<integer>{2, 3})->Value(), 6);
//
// Values and states the callbacks produce stay in host storage until
// ReleaseValues (or Reset), so that they can be operands of further calls;
// those of a registered type are then destroyed with its destroyValue.
// Executables that load a library must export these definitions
// (ENABLE_EXPORTS), so that the loader binds the library to them.
#pragma once

#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"

#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace RecordingHost {

// A text argument, copied: null stays distinguishable from "".
struct Text : std::optional<std::string> {
    Text(const char* text) {
        if (text != nullptr) {
            emplace(text);
        }
    }
};

// One struct per registration function, holding its arguments. Arguments()
// lists those after the object, for Describe; Key() the name and the operand
// types in the order Find takes them.
struct TypeCall {
    void* object;
    unsigned hostAreaSize;
    Text typeName;
    unsigned valueSize;
    DestroyValueCallback destroyValue;
    Text baseTypeName;
    const void* reserved;

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

    auto Arguments() const {
        return std::tie(hostAreaSize, operatorCode, leftType, rightType, resultType, evaluate,
                        registration, hook);
    }
    auto Key() const { return std::tie(operatorCode, leftType, rightType); }
};

struct CastCall {
    void* object;
    unsigned hostAreaSize;
    Text castName, sourceType, resultType; // the result is the target type
    CastCallback evaluate;
    const void* registration;
    HookCallback hook;

    auto Arguments() const {
        return std::tie(hostAreaSize, castName, sourceType, resultType, evaluate, registration,
                        hook);
    }
    auto Key() const { return std::tie(castName, sourceType); }
};

enum class Removal { Type, Property, BinaryOperator, Cast };

struct UnregisterCall {
    Removal kind;
    void* object;

    auto Arguments() const { return std::tuple<>(); }
};

using Call = std::variant<TypeCall, PropertyCall, IteratedPropertyCall, AggregatePropertyCall,
                          BinaryOperatorCall, CastCall, UnregisterCall>;

// Every registration and removal call so far, in order.
const std::vector<Call>& Calls();
// Releases the values, forgets the calls and frees all inspector memory.
void Reset();
// The object a call registered or removed.
void* ObjectOf(const Call& call);
// One line per call with the arguments after the object: texts quoted (null
// for a null text), numbers in decimal, callbacks and hook as fn or null, and
// the registration argument as self when it is the object itself:
//   Register_Cast(128, "string", "rope", "string", fn, self, fn)
//   Unregister_Cast()
std::string Describe(const Call& call);

// The first registration of this kind whose key starts with these values;
// throws, failing the test with what was looked for, when there is none.
template <typename Kind, typename Name, typename... Types>
Kind Find(const Name& name, const Types&... types) {
    const auto given = std::tie(name, types...);
    for (const Call& call : Calls()) {
        const Kind* found = std::get_if<Kind>(&call);
        if (found != nullptr&& [&]<std::size_t... i>(std::index_sequence<i...>) {
                return ((std::get<i>(found->Key()) == std::get<i>(given)) && ...);
            }(std::index_sequence_for<Name, Types...>())) {
            return *found;
        }
    }
    throw std::out_of_range("no such registration: " + testing::PrintToString(given));
}

// Host storage for one value or state: suitably aligned, filled with a
// marker byte so that tests can see whether anything was written.
class Storage {
public:
    explicit Storage(std::size_t size);
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;

    void* Address() { return bytes.data(); }
    bool Untouched() const;

private:
    std::vector<std::max_align_t> words;
    std::span<std::byte> bytes;
};

// Runs a value-producing callback on storage of the result type's size (a
// registered type's, or the host's own) and keeps the value; null when the
// callback said "no value". Checks that nothing was written then.
const void* Produce(const Text& resultType, const std::function<void*(void*)>& callback);
// The values of an iteration, first then next until "no value"; and one
// evaluation of an aggregate: begin, add per element, finish. Their states
// are kept with the values, since a result may view its state.
std::vector<const void*> Iterate(const IteratedPropertyCall& call, const void* index,
                                 const void* directObject);
const void* Aggregate(const AggregatePropertyCall& call, std::span<const void* const> elements,
                      const void* index);

// A property (index, direct object), an operator (left, right) or a cast
// (source).
template <typename Result = void, typename Kind, typename... Operands>
const Result* Evaluate(const Kind& call, Operands... operands) {
    return static_cast<const Result*>(Produce(call.resultType, [&](void* storage) {
        if constexpr (std::is_same_v<Kind, PropertyCall>) {
            return call.evaluate(storage, operands..., nullptr, call.registration);
        } else {
            return call.evaluate(storage, operands..., call.registration);
        }
    }));
}

// Elements are host values, or addresses of values.
template <typename Result = void, typename Element>
const Result* RunAggregate(const AggregatePropertyCall& call, const std::vector<Element>& elements,
                           const void* index = nullptr) {
    std::vector<const void*> addresses;
    for (const Element& element : elements) {
        if constexpr (std::is_same_v<Element, const void*>) {
            addresses.push_back(element);
        } else {
            addresses.push_back(&element);
        }
    }
    return static_cast<const Result*>(Aggregate(call, addresses, index));
}

// Destroys the kept values and states, newest first. The library that made
// them must still be loaded.
void ReleaseValues();

// A host string over the given bytes (which must outlive it), and the bytes
// of one.
string_value StringValue(std::string_view text);
std::string_view View(const string_value& text);

} // namespace RecordingHost
