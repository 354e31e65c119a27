// The adapters between the host's callbacks and the library's functions of
// every registration kind: operands in order, results constructed in host
// storage, nothing computed without storage, and exceptions passed through
// with the storage untouched. (What each kind passes to the host, and its
// removal, the library's lifecycle test pins for every form the library
// registers.)
#include "frame/AggregatePropertyRegistration.h"
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/InspectorHook.h"
#include "frame/IteratedPropertyRegistration.h"
#include "frame/PropertyRegistration.h"
#include "tests/support/RecordingHost.h"
#include "universe/integers/IntegerTypes.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace RecordingHost;

namespace {

int calls = 0;

// No value when the right operand, or the only one, is 0.
integer Difference(const integer& index, const integer& directObject) {
    ++calls;
    if (directObject.Value() == 0) {
        throw NoSuchObject();
    }
    return integer(index.Value() - directObject.Value());
}
integer Negated(const integer& i) {
    return Difference(integer(0), i);
}

// Counts down from its index: first yields the index, next one less, until 0.
struct Countdown {
    integer First(const integer& from) {
        left = from.Value();
        return Next(from);
    }
    integer Next(const integer&) {
        if (left <= 0) {
            throw NoSuchObject();
        }
        return integer(left--);
    }
    int64 left;
};

// The adds weigh the element by the index; the alternative slots yield values
// of their own, so that the wiring shows. The stored form's adds also receive
// the host's always-null word, and count it in only when it is null.
struct WeightedSum {
    integer Begin() { return BeginAt(0); }
    integer BeginAtHundred() { return BeginAt(100); }
    integer BeginAlt() { return integer(-1); }
    integer Add(const integer& weight, const integer& element) {
        sum += weight.Value() * element.Value();
        throw NoSuchObject();
    }
    integer Add(const integer& weight, const void* word, const integer& element) {
        return Add(integer(word == nullptr ? weight : 1000), element);
    }
    integer AddAlt(const integer& weight, const integer& element) {
        return integer(-weight.Value() * element.Value());
    }
    integer AddAlt(const integer& weight, const void* word, const integer& element) {
        return AddAlt(integer(word == nullptr ? weight : 1000), element);
    }
    integer Finish() { return integer(sum); }
    integer FinishAlt() { return integer(-3); }

    integer BeginAt(int64 start) {
        sum = start;
        throw NoSuchObject();
    }
    int64 sum;
};

using FixedWeightedSum = AggregatePropertyRegistration<WeightedSum, integer, integer, integer>;
using StoredWeightedSum = SharedStateAggregateRegistration<WeightedSum, integer, integer, integer>;

const StoredWeightedSum::Operations storedOperations = {
    &WeightedSum::BeginAtHundred, &WeightedSum::BeginAlt, &WeightedSum::Add,
    &WeightedSum::AddAlt,         &WeightedSum::Finish,   &WeightedSum::FinishAlt};

// One registration of each kind and form, constructed in this order.
struct Registrations {
    PropertyRegistration<integer, integer, integer> difference{
        "difference", "differences", "integer", "integer", "integer", &Difference, InspectorHook};
    PropertyRegistration<integer, integer> indexed{"negation", "negations", "integer", "",
                                                   "integer",  &Negated,    nullptr};
    PropertyRegistration<integer, NoOperand, integer> direct{
        "negation", "negations", "", "integer", "integer", &Negated, nullptr};
    BinaryOperatorRegistration<integer, integer, integer> minus{
        OperatorSubtract, "integer", "integer", "integer", &Difference, nullptr};
    CastRegistration<integer, integer> negative{"negative", "integer", "integer", &Negated,
                                                InspectorHook};
    IteratedPropertyRegistration<Countdown, integer, integer> countdown{
        "countdown", "countdowns", "integer", "", "integer", nullptr};
    FixedWeightedSum fixed{"weighted sum", "weighted sums", "integer",
                           "integer",      "integer",       InspectorHook};
    StoredWeightedSum stored{"weighted sum", "weighted sums",  "integer", "integer",
                             "integer",      storedOperations, nullptr};
};

class Frame : public testing::Test {
protected:
    Frame() {
        Reset();
        registrations.emplace();
        calls = 0;
    }

    template <typename Kind>
    const Kind& Registered(std::size_t i) {
        return std::get<Kind>(Calls().at(i));
    }

    std::optional<Registrations> registrations;
};

// Positions a callback does not have are passed null: reading one would crash.
TEST_F(Frame, PropertyOperatorCastAndIterationPassTheOperandsTheyHaveInOrder) {
    const integer ten(10), three(3), four(4);
    EXPECT_EQ(Evaluate<integer>(Registered<PropertyCall>(0), &ten, &three)->Value(), 7);
    EXPECT_EQ(Evaluate<integer>(Registered<PropertyCall>(1), &ten, nullptr)->Value(), -10);
    EXPECT_EQ(Evaluate<integer>(Registered<PropertyCall>(2), nullptr, &three)->Value(), -3);
    EXPECT_EQ(Evaluate<integer>(Registered<BinaryOperatorCall>(3), &ten, &four)->Value(), 6);
    EXPECT_EQ(Evaluate<integer>(Registered<CastCall>(4), &four)->Value(), -4);
    // One result per call until NoSuchObject.
    std::vector<int64> values;
    for (const void* value : Iterate(Registered<IteratedPropertyCall>(5), &three, nullptr)) {
        values.push_back(static_cast<const integer*>(value)->Value());
    }
    EXPECT_EQ(values, (std::vector<int64>{3, 2, 1}));
}

// The fixed form calls the class's operations; the stored form the ones its
// registration holds (here a begin of its own), with the null word.
TEST_F(Frame, AggregateSlotsCallTheirOperationsWithTheIndexAndTheElement) {
    const integer weight(10), element(4);
    for (const auto& [form, total] : {std::pair(6, 60), std::pair(7, 160)}) {
        const auto& call = Registered<AggregatePropertyCall>(form);
        EXPECT_EQ(RunAggregate<integer>(call, std::vector<integer>{1, 2, 3}, &weight)->Value(),
                  total);
        Storage stateStorage(call.stateSize), result(sizeof(integer));
        void* state = call.constructState(stateStorage.Address());
        const auto value = [&](void* address) { return static_cast<integer*>(address)->Value(); };
        const void* r = call.registration;
        EXPECT_EQ(value(call.beginAlt(result.Address(), &weight, nullptr, state, r)), -1) << form;
        EXPECT_EQ(value(call.addAlt(result.Address(), &weight, &element, state, r)), -40) << form;
        EXPECT_EQ(value(call.finishAlt(result.Address(), &weight, nullptr, state, r)), -3) << form;
        call.destroyState(state);
    }
}

// Every value-producing callback of every kind, with operands for which the
// inspector function says "no value". Without result storage nothing is
// computed and no state touched (the states are placed, never begun); with
// it NoSuchObject reaches the host and the storage stays untouched.
TEST_F(Frame, NoValueLeavesResultStorageUntouchedAndNoStorageComputesNothing) {
    const integer zero(0), one(1);
    const auto& p = Registered<PropertyCall>(2);
    const auto& o = Registered<BinaryOperatorCall>(3);
    const auto& c = Registered<CastCall>(4);
    const auto& i = Registered<IteratedPropertyCall>(5);
    const auto& a = Registered<AggregatePropertyCall>(6);
    const auto& s = Registered<AggregatePropertyCall>(7);
    Storage iterationState(i.stateSize), aggregateState(a.stateSize);
    void* const state = i.constructState(iterationState.Address());
    void* const aggregate = a.constructState(aggregateState.Address());
    const std::function<void*(void*)> callbacks[] = {
        [&](void* r) { return p.evaluate(r, nullptr, &zero, nullptr, p.registration); },
        [&](void* r) { return o.evaluate(r, &one, &zero, o.registration); },
        [&](void* r) { return c.evaluate(r, &zero, c.registration); },
        [&](void* r) { return i.first(r, &zero, nullptr, state, i.registration); },
        [&](void* r) { return i.next(r, &zero, nullptr, state, i.registration); },
        [&](void* r) { return a.begin(r, &one, nullptr, aggregate, a.registration); },
        [&](void* r) { return a.add(r, &one, &one, aggregate, a.registration); },
        [&](void* r) { return s.add(r, &one, &one, aggregate, s.registration); }};
    for (const auto& invoke : callbacks) {
        EXPECT_EQ(invoke(nullptr), nullptr);
    }
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(iterationState.Untouched() && aggregateState.Untouched());
    for (std::size_t k = 0; k < std::size(callbacks); ++k) {
        Storage result(sizeof(integer));
        EXPECT_THROW(callbacks[k](result.Address()), NoSuchObject) << k;
        EXPECT_TRUE(result.Untouched()) << k;
    }
}

} // namespace
