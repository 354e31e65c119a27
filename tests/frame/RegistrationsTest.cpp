// Registration objects of every kind: one host call each on construction,
// with the arguments in the host's order, one removal call each on
// destruction; and the adapters between the host's callbacks and the
// library's functions: operands in order, results constructed in host
// storage, nothing computed without storage, and exceptions passed through
// with the storage untouched.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/InspectorHook.h"
#include "frame/IteratedPropertyRegistration.h"
#include "frame/PropertyRegistration.h"
#include "frame/TypeRegistration.h"
#include "tests/support/RecordingHost.h"
#include "universe/integers/IntegerTypes.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <optional>

using namespace RecordingHost;

namespace {

int calls = 0;

integer Difference(const integer& index, const integer& directObject) {
    ++calls;
    return integer(index.Value() - directObject.Value());
}
integer Negated(const integer& i) {
    ++calls;
    if (i.Value() == 0) {
        throw NoSuchObject();
    }
    return integer(-i.Value());
}
integer Quotient(const integer& left, const integer& right) {
    ++calls;
    if (right.Value() == 0) {
        throw NoSuchObject();
    }
    return integer(left.Value() / right.Value());
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

// Each slot yields a value of its own so that the wiring shows; the adds
// weigh the element by the index. The stored form's adds also receive the
// host's always-null word, and count it in only when it is null.
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

// A value of a library type, counting its destructions.
struct Tracked {
    static inline int destroyed = 0;
    ~Tracked() { ++destroyed; }
    int64 payload[3];
};

// One registration of each kind and form, constructed in this order.
struct Registrations {
    ValueTypeRegistration<Tracked> type{"tracked"};
    TypeRegistration derived{"derived", 12, nullptr, "base"};
    PropertyRegistration<integer, integer, integer> difference{
        "difference", "differences", "integer", "integer", "integer", &Difference, InspectorHook};
    PropertyRegistration<integer, integer> indexed{"negation", "negations", "integer", "",
                                                   "integer",  &Negated,    nullptr};
    PropertyRegistration<integer, NoOperand, integer> direct{
        "negation", "negations", "", "integer", "integer", &Negated, nullptr};
    BinaryOperatorRegistration<integer, integer, integer> quotient{
        OperatorDivide, "integer", "integer", "integer", &Quotient, nullptr};
    CastRegistration<integer, integer> negative{"negative", "integer", "integer", &Negated,
                                                InspectorHook};
    IteratedPropertyRegistration<Countdown, integer, integer> countdown{
        "countdown", "countdowns", "integer", "", "integer", nullptr};
    FixedWeightedSum fixed{"weighted sum", "weighted sums", "integer",
                           "integer",      "integer",       InspectorHook};
    StoredWeightedSum stored{"weighted sum", "weighted sums",  "integer", "integer",
                             "integer",      storedOperations, nullptr};
};

const std::pair<const char*, Removal> lifecycle[] = {
    {R"(Register_Type(512, "tracked", 24, fn, null, null))", Removal::Type},
    {R"(Register_Type(512, "derived", 12, null, "base", null))", Removal::Type},
    {R"(Register_Property(128, "difference", "differences", "integer", "integer", "integer", fn, self, fn))",
     Removal::Property},
    {R"(Register_Property(128, "negation", "negations", "integer", "", "integer", fn, self, null))",
     Removal::Property},
    {R"(Register_Property(128, "negation", "negations", "", "integer", "integer", fn, self, null))",
     Removal::Property},
    {R"(Register_Binary_Operator(128, 4, "integer", "integer", "integer", fn, self, null))",
     Removal::BinaryOperator},
    {R"(Register_Cast(128, "negative", "integer", "integer", fn, self, fn))", Removal::Cast},
    {R"(Register_Iterated_Property(128, "countdown", "countdowns", "integer", "", "integer", 8, fn, fn, fn, fn, self, null))",
     Removal::Property},
    {R"(Register_Aggregate_Property(128, "weighted sum", "weighted sums", "integer", "integer", "integer", 8, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
     Removal::Property},
    {R"(Register_Aggregate_Property(128, "weighted sum", "weighted sums", "integer", "integer", "integer", 8, fn, fn, fn, fn, fn, fn, fn, fn, self, null))",
     Removal::Property},
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

TEST_F(Frame, EachKindRegistersWithItsArgumentsInOrderAndIsRemovedOnceInReverse) {
    const std::size_t count = std::size(lifecycle);
    ASSERT_EQ(Calls().size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(Describe(Calls()[i]), lifecycle[i].first) << i;
    }
    EXPECT_EQ(ObjectOf(Calls()[6]), &registrations->negative);
    registrations.reset();
    ASSERT_EQ(Calls().size(), 2 * count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto& removal = std::get<UnregisterCall>(Calls()[2 * count - 1 - i]);
        EXPECT_EQ(removal.kind, lifecycle[i].second) << i;
        EXPECT_EQ(removal.object, ObjectOf(Calls()[i])) << i;
    }
}

TEST_F(Frame, PropertyOperatorAndCastPassTheOperandsTheyHaveInOrder) {
    const integer ten(10), three(3), four(4);
    // Positions the property does not have are null: reading one would crash.
    EXPECT_EQ(Evaluate<integer>(Registered<PropertyCall>(2), &ten, &three)->Value(), 7);
    EXPECT_EQ(Evaluate<integer>(Registered<PropertyCall>(3), &ten, nullptr)->Value(), -10);
    EXPECT_EQ(Evaluate<integer>(Registered<PropertyCall>(4), nullptr, &three)->Value(), -3);
    EXPECT_EQ(Evaluate<integer>(Registered<BinaryOperatorCall>(5), &ten, &four)->Value(), 2);
    EXPECT_EQ(Evaluate<integer>(Registered<CastCall>(6), &four)->Value(), -4);
}

TEST_F(Frame, IteratedPropertyHandsOutOneResultPerCallUntilNoSuchObject) {
    const integer three(3);
    std::vector<int64> values;
    for (const auto& value :
         Iterate<integer>(Registered<IteratedPropertyCall>(7), &three, nullptr)) {
        values.push_back(value->Value());
    }
    EXPECT_EQ(values, (std::vector<int64>{3, 2, 1}));
}

// The fixed form calls the class's operations; the stored form the ones its
// registration holds (here a begin of its own), with the null word.
TEST_F(Frame, AggregateSlotsCallTheirOperationsWithTheIndexAndTheElement) {
    const struct {
        std::size_t call;
        int64 total;
    } forms[] = {{8, 60}, {9, 160}};
    const integer weight(10), element(4);
    for (const auto& form : forms) {
        SCOPED_TRACE(form.call);
        const auto& call = Registered<AggregatePropertyCall>(form.call);
        EXPECT_EQ(RunAggregate<integer>(call, std::vector<integer>{1, 2, 3}, &weight)->Value(),
                  form.total);

        Storage stateStorage(call.stateSize), result(sizeof(integer));
        void* state = call.constructState(stateStorage.Address());
        const auto value = [&](void* address) { return static_cast<integer*>(address)->Value(); };
        const void* r = call.registration;
        EXPECT_EQ(value(call.beginAlt(result.Address(), &weight, nullptr, state, r)), -1);
        EXPECT_EQ(value(call.addAlt(result.Address(), &weight, &element, state, r)), -40);
        EXPECT_EQ(value(call.finishAlt(result.Address(), &weight, nullptr, state, r)), -3);
        call.destroyState(state);
    }
}

TEST_F(Frame, TypeDestroysValuesInPlaceAndLeavesTheStorageToTheHost) {
    const auto& call = Registered<TypeCall>(0);
    Storage value(call.valueSize);
    ::new (value.Address()) Tracked{{1, 2, 3}};
    Tracked::destroyed = 0;
    call.destroyValue(value.Address());
    EXPECT_EQ(Tracked::destroyed, 1);
}

// Every value-producing callback of every kind, with operands chosen so that
// the inspector function says "no value".
class AdapterContract : public Frame {
protected:
    std::vector<std::pair<const char*, std::function<void*(void* storage)>>> NoValueCallbacks() {
        const auto& p = Registered<PropertyCall>(4);
        const auto& o = Registered<BinaryOperatorCall>(5);
        const auto& c = Registered<CastCall>(6);
        const auto& i = Registered<IteratedPropertyCall>(7);
        const auto& a = Registered<AggregatePropertyCall>(8);
        const auto& s = Registered<AggregatePropertyCall>(9);
        state = i.constructState(iterationState.Address());
        aggregate = a.constructState(aggregateState.Address());
        return {
            {"property",
             [&, p](void* r) { return p.evaluate(r, nullptr, &zero, nullptr, p.registration); }},
            {"operator", [&, o](void* r) { return o.evaluate(r, &one, &zero, o.registration); }},
            {"cast", [&, c](void* r) { return c.evaluate(r, &zero, c.registration); }},
            {"first",
             [&, i](void* r) { return i.first(r, &zero, nullptr, state, i.registration); }},
            {"next", [&, i](void* r) { return i.next(r, &zero, nullptr, state, i.registration); }},
            {"begin",
             [&, a](void* r) { return a.begin(r, &one, nullptr, aggregate, a.registration); }},
            {"add", [&, a](void* r) { return a.add(r, &one, &one, aggregate, a.registration); }},
            {"stored add",
             [&, s](void* r) { return s.add(r, &one, &one, aggregate, s.registration); }},
        };
    }

    const integer zero{0}, one{1};
    Storage iterationState{sizeof(Countdown)};
    Storage aggregateState{sizeof(WeightedSum)};
    void* state = nullptr;
    void* aggregate = nullptr;
};

TEST_F(AdapterContract, NullResultStorageYieldsNullWithoutComputingAnything) {
    for (const auto& [kind, invoke] : NoValueCallbacks()) {
        EXPECT_EQ(invoke(nullptr), nullptr) << kind;
    }
    EXPECT_EQ(calls, 0);
    // The states were placed but never begun: no slot ran on them.
    EXPECT_TRUE(iterationState.Untouched());
    EXPECT_TRUE(aggregateState.Untouched());
}

// Evaluate checks that the storage stays untouched.
TEST_F(Frame, NoSuchObjectReachesTheHostAndLeavesResultStorageUntouched) {
    const integer zero(0), one(1);
    EXPECT_FALSE(Evaluate<integer>(Registered<PropertyCall>(4), nullptr, &zero));
    EXPECT_FALSE(Evaluate<integer>(Registered<BinaryOperatorCall>(5), &one, &zero));
    EXPECT_FALSE(Evaluate<integer>(Registered<CastCall>(6), &zero));
    EXPECT_TRUE(Iterate<integer>(Registered<IteratedPropertyCall>(7), &zero, nullptr).empty());
}

} // namespace
