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

#include <type_traits>

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

// Calls a state's operation for one slot: the plain slots take nothing, the
// adding slots the index (if any) and the element.
namespace AggregateSlot {

template <typename Result, typename State, typename Operation>
void* Call(void* resultStorage, void* state, Operation operation) {
    return ConstructResult<Result>(resultStorage,
                                   [&] { return (static_cast<State*>(state)->*operation)(); });
}

// `leading` are the arguments that come before the element: the index, if the
// aggregate has one, and whatever else the operation's form asks for.
template <typename Result, typename State, typename Element, typename Index, typename Operation,
          typename... Leading>
void* CallAdd(void* resultStorage, void* state, Operation operation, const void* index,
              const void* element, Leading... leading) {
    return ConstructResult<Result>(resultStorage, [&] {
        State& self = *static_cast<State*>(state);
        const Element& value = OperandAt<Element>(element);
        if constexpr (hasOperand<Index>) {
            return (self.*operation)(OperandAt<Index>(index), leading..., value);
        } else {
            return (self.*operation)(leading..., value);
        }
    });
}

} // namespace AggregateSlot

// An aggregate whose state class alone defines it: State has the operations
// Begin, BeginAlt, Add([index,] element), AddAlt, Finish([index]) and
// FinishAlt.
//
// Each slot calls its operation directly, by name, so that the operation is
// compiled into the slot. That matters because `begin` and `add` always end
// in NoSuchObject: the compiler treats a function that always throws as cold
// and keeps it out of line (a call through a member-function pointer even
// more so), and every frame the exception leaves costs the unwinder about as
// much as the whole fold. The slots are flattened so that the one frame the
// host calls is the only one.
template <typename State, typename Result, typename Element, typename Index = NoOperand>
class AggregatePropertyRegistration : public AggregatePropertyRegistrationBase {
public:
    AggregatePropertyRegistration(const char* name, const char* pluralName, const char* indexType,
                                  const char* elementType, const char* resultType,
                                  HookCallback hook)
        : AggregatePropertyRegistrationBase(
              name, pluralName, indexType, elementType, resultType, sizeof(State),
              &ConstructStateInPlace<State>, &DestroyStateInPlace<State>, &Slot<SlotName::Begin>,
              &Slot<SlotName::BeginAlt>, &AddSlot<SlotName::Add>, &AddSlot<SlotName::AddAlt>,
              &Slot<SlotName::Finish>, &Slot<SlotName::FinishAlt>, hook) {
        // Reading them at compile time instantiates them, and so checks the
        // signatures (a comparison with null is not a constant expression for
        // an operation that the state inherits).
        [[maybe_unused]] constexpr Fold checkedAdd = add;
        [[maybe_unused]] constexpr Fold checkedAddAlt = addAlt;
    }

private:
    enum class SlotName { Begin, BeginAlt, Add, AddAlt, Finish, FinishAlt };

    // The adding operations must take exactly the registration's operands: a
    // conversion would fold in something other than the element. Naming them
    // here makes any other signature a compile-time error.
    using Fold =
        std::conditional_t<hasOperand<Index>, Result (State::*)(const Index&, const Element&),
                           Result (State::*)(const Element&)>;
    static constexpr Fold add = &State::Add;
    static constexpr Fold addAlt = &State::AddAlt;

    // The host passes the index to every slot. A state whose result depends
    // on the index even when nothing was added reads it in Finish.
    static constexpr bool finishReadsIndex =
        hasOperand<Index> && requires(State & self, const Index& index) {
        self.Finish(index);
    };

    template <SlotName slot>
    [[gnu::flatten]] static void* Slot(void* resultStorage, const void* index, const void*,
                                       void* state, const void*) {
        return ConstructResult<Result>(resultStorage, [state, index]() -> Result {
            State& self = *static_cast<State*>(state);
            if constexpr (slot == SlotName::Begin) {
                return self.Begin();
            } else if constexpr (slot == SlotName::BeginAlt) {
                return self.BeginAlt();
            } else if constexpr (slot == SlotName::Finish && finishReadsIndex) {
                return self.Finish(OperandAt<Index>(index));
            } else if constexpr (slot == SlotName::Finish) {
                return self.Finish();
            } else {
                return self.FinishAlt();
            }
        });
    }

    template <SlotName slot>
    [[gnu::flatten]] static void* AddSlot(void* resultStorage, const void* index,
                                          const void* element, void* state, const void*) {
        return ConstructResult<Result>(resultStorage, [=]() -> Result {
            return CallWithOperands<Index, Element>(
                [state](const auto&... operands) -> Result {
                    State& self = *static_cast<State*>(state);
                    if constexpr (slot == SlotName::Add) {
                        return self.Add(operands...);
                    } else {
                        return self.AddAlt(operands...);
                    }
                },
                index, element);
        });
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
    // The folding operations receive, after the index if there is one, a
    // word that is always null, then the element.
    using Fold = std::conditional_t<hasOperand<Index>,
                                    Result (State::*)(const Index&, const void*, const Element&),
                                    Result (State::*)(const void*, const Element&)>;

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
    static constexpr const void* alwaysNull = nullptr;

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
            resultStorage, state, StoredIn(registration).add, index, element, alwaysNull);
    }
    static void* AddAlt(void* resultStorage, const void* index, const void* element, void* state,
                        const void* registration) {
        return AggregateSlot::CallAdd<Result, State, Element, Index>(
            resultStorage, state, StoredIn(registration).addAlt, index, element, alwaysNull);
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
