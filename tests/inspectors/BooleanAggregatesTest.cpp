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
    std::vector<AggregatePropertyCall> Both() {
        return {FindAggregate("conjunction", "boolean").value(),
                FindAggregate("disjunction", "boolean").value()};
    }

    // A state that has been begun and has seen the given elements.
    void* Begun(const AggregatePropertyCall& call, Storage& state,
                const std::vector<boolean_value>& elements) {
        void* s = call.constructState(state.Address());
        Storage result(1);
        EXPECT_THROW(call.begin(result.Address(), nullptr, nullptr, s, call.registration),
                     NoSuchObject);
        for (const boolean_value& e : elements) {
            EXPECT_THROW(call.add(result.Address(), nullptr, &e, s, call.registration),
                         NoSuchObject);
        }
        return s;
    }
};

TEST_F(BooleanAggregates, RegisterFirstConjunctionThenDisjunctionOverBooleans) {
    const auto registrations = Registrations();
    ASSERT_GE(registrations.size(), 2u);
    EXPECT_EQ(
        Describe(registrations[0]),
        R"(Register_Aggregate_Property(128, "conjunction", "conjunctions", "", "boolean", "boolean", 2, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))");
    EXPECT_EQ(
        Describe(registrations[1]),
        R"(Register_Aggregate_Property(128, "disjunction", "disjunctions", "", "boolean", "boolean", 2, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))");
    const auto conjunction = std::get<AggregatePropertyCall>(registrations[0]);
    const auto disjunction = std::get<AggregatePropertyCall>(registrations[1]);
    EXPECT_EQ(conjunction.hook, disjunction.hook);
    conjunction.hook(); // does nothing, and says so by returning
}

TEST_F(BooleanAggregates, FoldTheElementsWithTheFirstNonIdentityDeciding) {
    struct Case {
        std::vector<boolean_value> elements;
        boolean_value conjunction;
        boolean_value disjunction;
    };
    const Case cases[] = {
        {{}, 1, 0},     {{1}, 1, 1},       {{0}, 0, 0},       {{1, 1, 0, 1}, 0, 1},
        {{0, 0}, 0, 0}, {{0, 1, 0}, 0, 1}, {{1, 1, 1}, 1, 1},
    };
    const auto both = Both();
    for (const Case& c : cases) {
        const auto elements = testing::PrintToString(c.elements);
        EXPECT_EQ(RunAggregate<boolean_value>(both[0], c.elements), c.conjunction) << elements;
        EXPECT_EQ(RunAggregate<boolean_value>(both[1], c.elements), c.disjunction) << elements;
    }
}

TEST_F(BooleanAggregates, FinishAltNeverYieldsAValueWhateverTheState) {
    for (const auto& call : Both()) {
        for (const auto& elements : {std::vector<boolean_value>{}, {1}, {0}}) {
            Storage state(call.stateSize), result(1);
            void* s = Begun(call, state, elements);
            StandardErrorCapture output;
            EXPECT_THROW(call.finishAlt(result.Address(), nullptr, nullptr, s, call.registration),
                         NoSuchObject);
            EXPECT_EQ(output.Text(), "") << "no misuse to report";
            EXPECT_TRUE(result.Untouched());
            call.destroyState(s);
        }
    }
}

TEST_F(BooleanAggregates, BeginAltAndAddAltAreReportedAsMisuseAndHaveNoValue) {
    const auto reported =
        testing::MatchesRegex("Assertion failure at line [0-9]+ of BooleanAggregates.cpp: false\n");
    for (const auto& call : Both()) {
        Storage state(call.stateSize), result(1);
        void* s = Begun(call, state, {});
        const boolean_value yes = 1;
        {
            StandardErrorCapture output;
            EXPECT_THROW(call.beginAlt(result.Address(), nullptr, nullptr, s, call.registration),
                         NoSuchObject);
            EXPECT_THAT(output.Text(), reported);
        }
        {
            StandardErrorCapture output;
            EXPECT_THROW(call.addAlt(result.Address(), nullptr, &yes, s, call.registration),
                         NoSuchObject);
            EXPECT_THAT(output.Text(), reported);
        }
        EXPECT_TRUE(result.Untouched());
        call.destroyState(s);
    }
}

} // namespace
