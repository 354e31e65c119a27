// A stand-in host for tests: the test executable defines the host functions
// that an inspector library calls (registration, removal, inspector memory),
// records every call with its arguments, and offers a few ways to drive the
// recorded callbacks. Executables that load the plug-in must export these
// definitions (ENABLE_EXPORTS) so that the loader binds the plug-in to them.
#pragma once

#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace RecordingHost {

// A text argument as passed: null stays distinguishable from "".
using Text = std::optional<std::string>;

struct TypeCall {
    void* object;
    unsigned hostAreaSize;
    Text typeName;
    unsigned valueSize;
    DestroyValueCallback destroyValue;
    Text baseTypeName;
    const void* reserved;
};

struct PropertyCall {
    void* object;
    unsigned hostAreaSize;
    Text name, pluralName, indexType, directObjectType, resultType;
    PropertyCallback evaluate;
    const void* registration;
    HookCallback hook;
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
};

struct BinaryOperatorCall {
    void* object;
    unsigned hostAreaSize;
    int operatorCode;
    Text leftType, rightType, resultType;
    BinaryOperatorCallback evaluate;
    const void* registration;
    HookCallback hook;
};

struct CastCall {
    void* object;
    unsigned hostAreaSize;
    Text castName, sourceType, targetType;
    CastCallback evaluate;
    const void* registration;
    HookCallback hook;
};

enum class Removal { Type, Property, BinaryOperator, Cast };

struct UnregisterCall {
    Removal kind;
    void* object;
};

using Call = std::variant<TypeCall, PropertyCall, IteratedPropertyCall, AggregatePropertyCall,
                          BinaryOperatorCall, CastCall, UnregisterCall>;

// Every registration and removal call so far, in order.
const std::vector<Call>& Calls();
// Forgets the calls and frees all inspector memory handed out.
void Reset();

std::size_t InspectorMemoryBlocks();

// The object a call registered or removed.
void* ObjectOf(const Call& call);
// One line per call with the arguments after the object, for comparing whole
// calls at once: texts quoted (null for a null text), numbers in decimal,
// callbacks and hook as fn or null, and the registration argument as self
// when it is the object itself. For example:
//   Register_Cast(128, "string", "rope", "string", fn, self, fn)
std::string Describe(const Call& call);

// Registration calls only, and removal calls only, each in order.
std::vector<Call> Registrations();
std::vector<UnregisterCall> Removals();

// The registration call of the given kind, name and operand type, which must
// exist (the test fails otherwise and the result is empty).
std::optional<AggregatePropertyCall> FindAggregate(std::string_view name,
                                                   std::string_view elementType);
std::optional<PropertyCall> FindProperty(std::string_view name, std::string_view directObjectType);
std::optional<IteratedPropertyCall> FindIteratedProperty(std::string_view name,
                                                         std::string_view directObjectType);
std::optional<BinaryOperatorCall> FindBinaryOperator(int operatorCode, std::string_view leftType,
                                                     std::string_view rightType);
std::optional<CastCall> FindCast(std::string_view castName, std::string_view sourceType);
std::optional<TypeCall> FindType(std::string_view typeName);

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

// Runs one evaluation of an aggregate as the host does: constructState,
// begin, add per element, finish, destroyState. Fails the test if begin or an
// add yields a value. The result is empty when finish says "no value".
template <typename Result, typename Element>
std::optional<Result> RunAggregate(const AggregatePropertyCall& call,
                                   const std::vector<Element>& elements,
                                   const void* index = nullptr) {
    Storage stateStorage(call.stateSize);
    void* state = call.constructState(stateStorage.Address());
    Storage result(sizeof(Result));
    const auto expectNoValue = [&](AggregateCallback slot, const void* element, const char* what) {
        try {
            slot(result.Address(), index, element, state, call.registration);
            ADD_FAILURE() << what << " yielded a value";
        } catch (const NoSuchObject&) {
        }
    };
    expectNoValue(call.begin, nullptr, "begin");
    for (const Element& element : elements) {
        expectNoValue(call.add, &element, "add");
    }
    std::optional<Result> value;
    try {
        void* address = call.finish(result.Address(), index, nullptr, state, call.registration);
        EXPECT_EQ(address, result.Address());
        value = *static_cast<Result*>(address);
        static_cast<Result*>(address)->~Result();
    } catch (const NoSuchObject&) {
    }
    call.destroyState(state);
    return value;
}

} // namespace RecordingHost
