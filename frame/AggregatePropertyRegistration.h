// A property that reduces a plural expression to one value. For each
// evaluation the host constructs a state in its own storage and calls `begin`,
// `add` once per element of the plural operand, `finish` and last destroys
// the state. `begin` and `add` only update the state and then raise
// NoSuchObject; `finish` yields the value or NoSuchObject when there is none.
// The `...Alt` slots are either "no value at once" or a reported programming
// fault, as each aggregate defines.
#pragma once

#include "frame/HostArea.h"
#include "frame/Operands.h"
#include "frame/ResultStorage.h"
#include "frame/StateStorage.h"
#include "frame/VeritorInterface.h"

// Registers an aggregate property with callbacks of its own making; the two
// typed registrations below are the usual way in.
class AggregatePropertyRegistrationBase {
public:
    // An empty index type means the aggregate has no index.
    AggregatePropertyRegistrationBase(const char* name, const char* pluralName,
                                      const char* indexType, const char* elementType,
                                      const char* resultType, unsigned stateSize,
                                      ConstructStateCallback constructState,
                                      DestroyStateCallback destroyState, AggregateCallback begin,
                                      AggregateCallback beginAlt, AggregateCallback add,
                                      AggregateCallback addAlt, AggregateCallback finish,
                                      AggregateCallback finishAlt, HookCallback hook);
    ~AggregatePropertyRegistrationBase();

    AggregatePropertyRegistrationBase(const AggregatePropertyRegistrationBase&) = delete;
    AggregatePropertyRegistrationBase& operator=(const AggregatePropertyRegistrationBase&) = delete;

private:
    HostArea<registrationHostAreaSize> hostArea;
};
static_assert(sizeof(AggregatePropertyRegistrationBase) == registrationHostAreaSize);

// The member operation that folds one element into a state: it takes the
// index first when the aggregate has one.
template <typename State, typename Result, typename Element, typename Index>
struct AddOperation {
    using Type = Result (State::*)(const Index&, const Element&);
};
template <typename State, typename Result, typename Element>
struct AddOperation<State, Result, Element, NoOperand> {
    using Type = Result (State::*)(const Element&);
};

// Calls a state's operation for one slot: the plain slots take nothing, the
// adding slots the index (if any) and the element.
namespace AggregateSlot {

template <typename Result, typename State, typename Operation>
void* Call(void* resultStorage, void* state, Operation operation) {
    return ConstructResult<Result>(resultStorage,
                                   [&] { return (static_cast<State*>(state)->*operation)(); });
}

template <typename Result, typename State, typename Element, typename Index, typename Operation>
void* CallAdd(void* resultStorage, void* state, Operation operation, const void* index,
              const void* element) {
    return ConstructResult<Result>(resultStorage, [&] {
        return CallWithOperands<Index, Element>(
            [&](const auto&... operands) {
                return (static_cast<State*>(state)->*operation)(operands...);
            },
            index, element);
    });
}

} // namespace AggregateSlot

// An aggregate whose state class alone defines it: State has the operations
// Begin, BeginAlt, Add, AddAlt, Finish and FinishAlt.
template <typename State, typename Result, typename Element, typename Index = NoOperand>
class AggregatePropertyRegistration : public AggregatePropertyRegistrationBase {
public:
    AggregatePropertyRegistration(const char* name, const char* pluralName, const char* indexType,
                                  const char* elementType, const char* resultType,
                                  HookCallback hook)
        : AggregatePropertyRegistrationBase(name, pluralName, indexType, elementType, resultType,
                                            sizeof(State), &ConstructStateInPlace<State>,
                                            &DestroyStateInPlace<State>, &Begin, &BeginAlt, &Add,
                                            &AddAlt, &Finish, &FinishAlt, hook) {}

private:
    using Fold = typename AddOperation<State, Result, Element, Index>::Type;

    static void* Begin(void* resultStorage, const void*, const void*, void* state, const void*) {
        return AggregateSlot::Call<Result, State>(resultStorage, state, &State::Begin);
    }
    static void* BeginAlt(void* resultStorage, const void*, const void*, void* state, const void*) {
        return AggregateSlot::Call<Result, State>(resultStorage, state, &State::BeginAlt);
    }
    static void* Add(void* resultStorage, const void* index, const void* element, void* state,
                     const void*) {
        return AggregateSlot::CallAdd<Result, State, Element, Index>(
            resultStorage, state, static_cast<Fold>(&State::Add), index, element);
    }
    static void* AddAlt(void* resultStorage, const void* index, const void* element, void* state,
                        const void*) {
        return AggregateSlot::CallAdd<Result, State, Element, Index>(
            resultStorage, state, static_cast<Fold>(&State::AddAlt), index, element);
    }
    static void* Finish(void* resultStorage, const void*, const void*, void* state, const void*) {
        return AggregateSlot::Call<Result, State>(resultStorage, state, &State::Finish);
    }
    static void* FinishAlt(void* resultStorage, const void*, const void*, void* state,
                           const void*) {
        return AggregateSlot::Call<Result, State>(resultStorage, state, &State::FinishAlt);
    }
};
static_assert(sizeof(AggregatePropertyRegistration<NoOperand, int, int>) ==
              registrationHostAreaSize);

// An aggregate over a state class that serves several registrations: the
// registration stores which of the class's operations fills each slot.
template <typename State, typename Result, typename Element, typename Index = NoOperand>
class SharedStateAggregateRegistration : public AggregatePropertyRegistrationBase {
public:
    using Operation = Result (State::*)();
    using Fold = typename AddOperation<State, Result, Element, Index>::Type;

    struct Operations {
        Operation begin;
        Operation beginAlt;
        Fold add;
        Fold addAlt;
        Operation finish;
        Operation finishAlt;
    };

    SharedStateAggregateRegistration(const char* name, const char* pluralName,
                                     const char* indexType, const char* elementType,
                                     const char* resultType, const Operations& operations,
                                     HookCallback hook)
        : AggregatePropertyRegistrationBase(name, pluralName, indexType, elementType, resultType,
                                            sizeof(State), &ConstructStateInPlace<State>,
                                            &DestroyStateInPlace<State>, &Begin, &BeginAlt, &Add,
                                            &AddAlt, &Finish, &FinishAlt, hook)
        , operations(operations) {}

private:
    static const Operations& StoredIn(const void* registration) {
        return static_cast<const SharedStateAggregateRegistration*>(
                   static_cast<const AggregatePropertyRegistrationBase*>(registration))
            ->operations;
    }

    static void* Begin(void* resultStorage, const void*, const void*, void* state,
                       const void* registration) {
        return AggregateSlot::Call<Result, State>(resultStorage, state,
                                                  StoredIn(registration).begin);
    }
    static void* BeginAlt(void* resultStorage, const void*, const void*, void* state,
                          const void* registration) {
        return AggregateSlot::Call<Result, State>(resultStorage, state,
                                                  StoredIn(registration).beginAlt);
    }
    static void* Add(void* resultStorage, const void* index, const void* element, void* state,
                     const void* registration) {
        return AggregateSlot::CallAdd<Result, State, Element, Index>(
            resultStorage, state, StoredIn(registration).add, index, element);
    }
    static void* AddAlt(void* resultStorage, const void* index, const void* element, void* state,
                        const void* registration) {
        return AggregateSlot::CallAdd<Result, State, Element, Index>(
            resultStorage, state, StoredIn(registration).addAlt, index, element);
    }
    static void* Finish(void* resultStorage, const void*, const void*, void* state,
                        const void* registration) {
        return AggregateSlot::Call<Result, State>(resultStorage, state,
                                                  StoredIn(registration).finish);
    }
    static void* FinishAlt(void* resultStorage, const void*, const void*, void* state,
                           const void* registration) {
        return AggregateSlot::Call<Result, State>(resultStorage, state,
                                                  StoredIn(registration).finishAlt);
    }

    Operations operations;
};
