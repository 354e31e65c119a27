// "conjunction" and "disjunction" as the host sees them: their registrations,
// and evaluations driven through the registered callbacks.
#include "tests/inspectors/InspectorLibrary.h"
#include "tests/inspectors/RecordingHost.h"
#include "tests/inspectors/StandardErrorCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

class BooleanAggregates : public LoadedInspectors {
protected:
    AggregatePropertyCall Conjunction() { return FindAggregate("conjunction", "boolean").value(); }
    AggregatePropertyCall Disjunction() { return FindAggregate("disjunction", "boolean").value(); }
};

TEST_F(BooleanAggregates, RegisterConjunctionThenDisjunctionOverBooleans) {
    const auto registrations = Registrations();
    ASSERT_GE(registrations.size(), 2u);
    const char* const names[][2] = {{"conjunction", "conjunctions"},
                                    {"disjunction", "disjunctions"}};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto* call = std::get_if<AggregatePropertyCall>(&registrations[i]);
        ASSERT_NE(call, nullptr) << i;
        EXPECT_EQ(call->name, names[i][0]);
        EXPECT_EQ(call->pluralName, names[i][1]);
        EXPECT_EQ(call->hostAreaSize, 128u);
        EXPECT_EQ(call->indexType, "");
        EXPECT_EQ(call->elementType, "boolean");
        EXPECT_EQ(call->resultType, "boolean");
        EXPECT_EQ(call->stateSize, 2u);
        EXPECT_EQ(call->registration, call->object);
        EXPECT_NE(call->hook, nullptr);
        for (auto slot : {call->begin, call->beginAlt, call->add, call->addAlt, call->finish,
                          call->finishAlt}) {
            EXPECT_NE(slot, nullptr);
        }
    }
    const auto& conjunction = std::get<AggregatePropertyCall>(registrations[0]);
    const auto& disjunction = std::get<AggregatePropertyCall>(registrations[1]);
    EXPECT_NE(conjunction.object, disjunction.object);
    EXPECT_EQ(conjunction.hook, disjunction.hook);
    conjunction.hook(); // does nothing, and says so by returning
}

struct Case {
    std::vector<boolean_value> elements;
    boolean_value conjunction;
    boolean_value disjunction;
};

TEST_F(BooleanAggregates, FoldTheElementsWithTheFirstNonIdentityDeciding) {
    const Case cases[] = {
        {{}, 1, 0},     {{1}, 1, 1},       {{0}, 0, 0},       {{1, 1, 0, 1}, 0, 1},
        {{0, 0}, 0, 0}, {{0, 1, 0}, 0, 1}, {{1, 1, 1}, 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunAggregate<boolean_value>(Conjunction(), c.elements), c.conjunction)
            << testing::PrintToString(c.elements);
        EXPECT_EQ(RunAggregate<boolean_value>(Disjunction(), c.elements), c.disjunction)
            << testing::PrintToString(c.elements);
    }
}

TEST_F(BooleanAggregates, BeginAndAddUpdateTheStateThenSayNoValue) {
    const auto call = Conjunction();
    Storage state(call.stateSize), result(1);
    void* s = call.constructState(state.Address());
    EXPECT_TRUE(state.Untouched()) << "placing the state sets no field";
    const boolean_value no = 0;
    EXPECT_THROW(call.begin(result.Address(), nullptr, nullptr, s, call.registration),
                 NoSuchObject);
    EXPECT_FALSE(state.Untouched());
    EXPECT_THROW(call.add(result.Address(), nullptr, &no, s, call.registration), NoSuchObject);
    EXPECT_TRUE(result.Untouched());
    EXPECT_EQ(*static_cast<boolean_value*>(
                  call.finish(result.Address(), nullptr, nullptr, s, call.registration)),
              0);
    call.destroyState(s);
}

TEST_F(BooleanAggregates, FinishAltNeverYieldsAValue) {
    for (const auto& call : {Conjunction(), Disjunction()}) {
        for (const auto& elements : {std::vector<boolean_value>{}, {1}, {0}}) {
            Storage state(call.stateSize), result(1);
            void* s = call.constructState(state.Address());
            EXPECT_THROW(call.begin(result.Address(), nullptr, nullptr, s, call.registration),
                         NoSuchObject);
            for (const boolean_value& e : elements) {
                EXPECT_THROW(call.add(result.Address(), nullptr, &e, s, call.registration),
                             NoSuchObject);
            }
            StandardErrorCapture output;
            EXPECT_THROW(call.finishAlt(result.Address(), nullptr, nullptr, s, call.registration),
                         NoSuchObject);
            EXPECT_EQ(output.Text(), "");
            EXPECT_TRUE(result.Untouched());
            call.destroyState(s);
        }
    }
}

TEST_F(BooleanAggregates, BeginAltAndAddAltAreReportedAsMisuseAndHaveNoValue) {
    for (const auto& call : {Conjunction(), Disjunction()}) {
        Storage state(call.stateSize), result(1);
        void* s = call.constructState(state.Address());
        const boolean_value yes = 1;
        {
            StandardErrorCapture output;
            EXPECT_THROW(call.beginAlt(result.Address(), nullptr, nullptr, s, call.registration),
                         NoSuchObject);
            EXPECT_THAT(output.Text(), testing::MatchesRegex("Assertion failure at line [0-9]+ of "
                                                             "BooleanAggregates.cpp: false\n"));
        }
        {
            StandardErrorCapture output;
            EXPECT_THROW(call.addAlt(result.Address(), nullptr, &yes, s, call.registration),
                         NoSuchObject);
            EXPECT_THAT(output.Text(), testing::MatchesRegex("Assertion failure at line [0-9]+ of "
                                                             "BooleanAggregates.cpp: false\n"));
        }
        EXPECT_TRUE(result.Untouched());
        call.destroyState(s);
    }
}

TEST_F(BooleanAggregates, NullResultStorageRunsNoSlot) {
    const auto call = Disjunction();
    Storage state(call.stateSize);
    void* s = call.constructState(state.Address());
    const boolean_value yes = 1;
    EXPECT_EQ(call.begin(nullptr, nullptr, nullptr, s, call.registration), nullptr);
    EXPECT_EQ(call.add(nullptr, nullptr, &yes, s, call.registration), nullptr);
    EXPECT_EQ(call.finish(nullptr, nullptr, nullptr, s, call.registration), nullptr);
    EXPECT_TRUE(state.Untouched());
    call.destroyState(s);
}

} // namespace
