// The adapters between the host's callbacks and the library's functions:
// operands in order, results constructed in host storage, nothing computed
// without storage, and exceptions passed through with the storage untouched.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/IteratedPropertyRegistration.h"
#include "frame/PropertyRegistration.h"
#include "frame/TypeRegistration.h"
#include "tests/inspectors/RecordingHost.h"
#include "universe/integers/IntegerTypes.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>

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

class Adapters : public testing::Test {
protected:
    Adapters() {
        Reset();
        calls = 0;
    }
};

TEST_F(Adapters, PropertyPassesTheOperandsItHasAndBuildsTheResultInHostStorage) {
    PropertyRegistration<integer, integer, integer> both(
        "difference", "differences", "integer", "integer", "integer", &Difference, nullptr);
    PropertyRegistration<integer, integer> indexed("negation", "negations", "integer", "",
                                                   "integer", &Negated, nullptr);
    PropertyRegistration<integer, NoOperand, integer> direct("negation", "negations", "", "integer",
                                                             "integer", &Negated, nullptr);
    const integer ten(10), three(3);
    // Positions the property does not have are null: reading one would crash.
    const struct {
        const void* index;
        const void* directObject;
        int64 expected;
    } cases[] = {{&ten, &three, 7}, {&ten, nullptr, -10}, {nullptr, &three, -3}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& call = std::get<PropertyCall>(Calls().at(i));
        Storage result(sizeof(integer));
        void* address = call.evaluate(result.Address(), cases[i].index, cases[i].directObject,
                                      nullptr, call.registration);
        EXPECT_EQ(address, result.Address()) << i;
        EXPECT_EQ(static_cast<integer*>(address)->Value(), cases[i].expected) << i;
    }
}

TEST_F(Adapters, OperatorReceivesLeftThenRightAndCastItsSource) {
    BinaryOperatorRegistration<integer, integer, integer> quotient(
        OperatorDivide, "integer", "integer", "integer", &Quotient, nullptr);
    CastRegistration<integer, integer> negative("negative", "integer", "integer", &Negated,
                                                nullptr);
    const integer twelve(12), four(4);
    Storage result(sizeof(integer));

    const auto& divide = std::get<BinaryOperatorCall>(Calls().at(0));
    void* q = divide.evaluate(result.Address(), &twelve, &four, divide.registration);
    EXPECT_EQ(static_cast<integer*>(q)->Value(), 3);

    const auto& cast = std::get<CastCall>(Calls().at(1));
    void* n = cast.evaluate(result.Address(), &four, cast.registration);
    EXPECT_EQ(static_cast<integer*>(n)->Value(), -4);
}

TEST_F(Adapters, IteratedPropertyHandsOutOneResultPerCallUntilNoSuchObject) {
    IteratedPropertyRegistration<Countdown, integer, integer> countdown(
        "countdown", "countdowns", "integer", "", "integer", nullptr);
    const auto& call = std::get<IteratedPropertyCall>(Calls().at(0));
    Storage stateStorage(call.stateSize), result(sizeof(integer));
    void* state = call.constructState(stateStorage.Address());
    EXPECT_EQ(state, stateStorage.Address());
    const integer three(3);
    std::vector<int64> values;
    try {
        for (auto callback = call.first;; callback = call.next) {
            void* value = callback(result.Address(), &three, nullptr, state, call.registration);
            values.push_back(static_cast<integer*>(value)->Value());
        }
    } catch (const NoSuchObject&) {
    }
    call.destroyState(state);
    EXPECT_EQ(values, (std::vector<int64>{3, 2, 1}));
}

// The fixed form calls the class's operations; the stored form the ones its
// registration holds (here a begin of its own), with the null word.
TEST_F(Adapters, AggregateSlotsCallTheirOperationsWithTheIndexAndTheElement) {
    FixedWeightedSum fixed("weighted sum", "weighted sums", "integer", "integer", "integer",
                           nullptr);
    StoredWeightedSum stored("weighted sum", "weighted sums", "integer", "integer", "integer",
                             storedOperations, nullptr);
    const struct {
        const char* form;
        int64 total;
    } forms[] = {{"fixed", 60}, {"stored", 160}};
    const integer weight(10), element(4);
    for (std::size_t i = 0; i < std::size(forms); ++i) {
        SCOPED_TRACE(forms[i].form);
        const auto& call = std::get<AggregatePropertyCall>(Calls().at(i));
        EXPECT_EQ(RunAggregate<integer>(call, std::vector<integer>{1, 2, 3}, &weight)->Value(),
                  forms[i].total);

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

// A value of a library type, counting its destructions.
struct Tracked {
    static inline int destroyed = 0;
    ~Tracked() { ++destroyed; }
    int64 payload[3];
};

TEST_F(Adapters, TypeDestroysValuesInPlaceAndLeavesTheStorageToTheHost) {
    ValueTypeRegistration<Tracked> type("tracked");
    const auto& call = std::get<TypeCall>(Calls().at(0));
    Storage value(call.valueSize);
    ::new (value.Address()) Tracked{{1, 2, 3}};
    Tracked::destroyed = 0;
    call.destroyValue(value.Address());
    EXPECT_EQ(Tracked::destroyed, 1);
}

// Every value-producing callback of every kind, with operands chosen so that
// the inspector function says "no value".
class AdapterContract : public Adapters {
protected:
    std::vector<std::pair<const char*, std::function<void*(void* storage)>>> NoValueCallbacks() {
        const auto& p = std::get<PropertyCall>(Calls().at(0));
        const auto& o = std::get<BinaryOperatorCall>(Calls().at(1));
        const auto& c = std::get<CastCall>(Calls().at(2));
        const auto& i = std::get<IteratedPropertyCall>(Calls().at(3));
        const auto& a = std::get<AggregatePropertyCall>(Calls().at(4));
        const auto& s = std::get<AggregatePropertyCall>(Calls().at(5));
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

    PropertyRegistration<integer, NoOperand, integer> property{
        "negation", "negations", "", "integer", "integer", &Negated, nullptr};
    BinaryOperatorRegistration<integer, integer, integer> divide{
        OperatorDivide, "integer", "integer", "integer", &Quotient, nullptr};
    CastRegistration<integer, integer> cast{"negative", "integer", "integer", &Negated, nullptr};
    IteratedPropertyRegistration<Countdown, integer, integer> countdown{
        "countdown", "countdowns", "integer", "", "integer", nullptr};
    FixedWeightedSum fixed{"weighted sum", "weighted sums", "integer",
                           "integer",      "integer",       nullptr};
    StoredWeightedSum stored{"weighted sum", "weighted sums",  "integer", "integer",
                             "integer",      storedOperations, nullptr};
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

TEST_F(AdapterContract, NoSuchObjectReachesTheHostAndLeavesResultStorageUntouched) {
    for (const auto& [kind, invoke] : NoValueCallbacks()) {
        Storage result(sizeof(integer));
        EXPECT_THROW(invoke(result.Address()), NoSuchObject) << kind;
        EXPECT_TRUE(result.Untouched()) << kind;
    }
}

} // namespace
