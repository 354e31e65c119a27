// A property of the query language: one result computed from an optional
// index and an optional direct object.
#pragma once

#include "frame/HostArea.h"
#include "frame/Operands.h"
#include "frame/ResultStorage.h"
#include "frame/VeritorInterface.h"

// Registers a property with a callback of its own making; the typed
// PropertyRegistration below is the usual way in.
class PropertyRegistrationBase {
public:
    // An empty index or direct object type means the property has none.
    PropertyRegistrationBase(const char* name, const char* pluralName, const char* indexType,
                             const char* directObjectType, const char* resultType,
                             PropertyCallback evaluate, HookCallback hook);
    ~PropertyRegistrationBase();

    PropertyRegistrationBase(const PropertyRegistrationBase&) = delete;
    PropertyRegistrationBase& operator=(const PropertyRegistrationBase&) = delete;

private:
    HostArea<registrationHostAreaSize> hostArea;
};
static_assert(sizeof(PropertyRegistrationBase) == registrationHostAreaSize);

// The signature of the function that computes a property: the operands it
// has, as values of their host representations.
template <typename Result, typename Index, typename DirectObject>
struct PropertyFunction {
    using Type = Result (*)(const Index&, const DirectObject&);
};
template <typename Result, typename Index>
struct PropertyFunction<Result, Index, NoOperand> {
    using Type = Result (*)(const Index&);
};
template <typename Result, typename DirectObject>
struct PropertyFunction<Result, NoOperand, DirectObject> {
    using Type = Result (*)(const DirectObject&);
};
template <typename Result>
struct PropertyFunction<Result, NoOperand, NoOperand> {
    using Type = Result (*)();
};

template <typename Result, typename Index = NoOperand, typename DirectObject = NoOperand>
class PropertyRegistration : public PropertyRegistrationBase {
public:
    using ValueFunction = typename PropertyFunction<Result, Index, DirectObject>::Type;

    PropertyRegistration(const char* name, const char* pluralName, const char* indexType,
                         const char* directObjectType, const char* resultType,
                         ValueFunction valueFunction, HookCallback hook)
        : PropertyRegistrationBase(name, pluralName, indexType, directObjectType, resultType,
                                   &Evaluate, hook)
        , valueFunction(valueFunction) {}

private:
    static void* Evaluate(void* resultStorage, const void* index, const void* directObject,
                          void* /*unused*/, const void* registration) {
        auto& self = *static_cast<const PropertyRegistration*>(
            static_cast<const PropertyRegistrationBase*>(registration));
        return ConstructResult<Result>(resultStorage, [&] {
            return CallWithOperands<Index, DirectObject>(self.valueFunction, index, directObject);
        });
    }

    ValueFunction valueFunction;
};
// The host area and one function pointer, whatever the width of a pointer.
static_assert(sizeof(PropertyRegistration<int>) == registrationHostAreaSize + sizeof(void*));
