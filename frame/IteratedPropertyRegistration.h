// A property with several results, handed out one per call: `first`, then
// `next` until NoSuchObject marks the end, all on one evaluation state that
// lives in host storage.
#pragma once

#include "frame/HostArea.h"
#include "frame/Operands.h"
#include "frame/ResultStorage.h"
#include "frame/StateStorage.h"
#include "frame/VeritorInterface.h"

// Registers an iterated property with callbacks of its own making; a
// registration with fields of its own derives from this and reaches them
// through the registration argument of its callbacks.
class IteratedPropertyRegistrationBase {
public:
    IteratedPropertyRegistrationBase(const char* name, const char* pluralName,
                                     const char* indexType, const char* directObjectType,
                                     const char* resultType, unsigned stateSize,
                                     ConstructStateCallback constructState,
                                     DestroyStateCallback destroyState, IterationCallback first,
                                     IterationCallback next, HookCallback hook);
    ~IteratedPropertyRegistrationBase();

    IteratedPropertyRegistrationBase(const IteratedPropertyRegistrationBase&) = delete;
    IteratedPropertyRegistrationBase& operator=(const IteratedPropertyRegistrationBase&) = delete;

private:
    HostArea<registrationHostAreaSize> hostArea;
};
static_assert(sizeof(IteratedPropertyRegistrationBase) == registrationHostAreaSize);

// The iteration is the state class's: State::First and State::Next take the
// operands the property has (index, then direct object) and return the next
// result or throw NoSuchObject once there is none.
template <typename State, typename Result, typename Index = NoOperand,
          typename DirectObject = NoOperand>
class IteratedPropertyRegistration : public IteratedPropertyRegistrationBase {
public:
    IteratedPropertyRegistration(const char* name, const char* pluralName, const char* indexType,
                                 const char* directObjectType, const char* resultType,
                                 HookCallback hook)
        : IteratedPropertyRegistrationBase(name, pluralName, indexType, directObjectType,
                                           resultType, sizeof(State), &ConstructStateInPlace<State>,
                                           &DestroyStateInPlace<State>, &First, &Next, hook) {}

private:
    // Flattened: the host calls these once per result, and a step of a fast
    // iteration costs little more than the calls it would otherwise make
    // through the operand and result helpers.
    [[gnu::flatten]] static void* First(void* resultStorage, const void* index, const void* directObject,
                       void* state, const void* /*registration*/) {
        return ConstructResult<Result>(resultStorage, [&] {
            return CallWithOperands<Index, DirectObject>(
                [&](const auto&... operands) {
                    return static_cast<State*>(state)->First(operands...);
                },
                index, directObject);
        });
    }

    [[gnu::flatten]] static void* Next(void* resultStorage, const void* index, const void* directObject, void* state,
                      const void* /*registration*/) {
        return ConstructResult<Result>(resultStorage, [&] {
            return CallWithOperands<Index, DirectObject>(
                [&](const auto&... operands) {
                    return static_cast<State*>(state)->Next(operands...);
                },
                index, directObject);
        });
    }
};
