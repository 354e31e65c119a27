// "conjunction" and "disjunction", evaluated through the registered callbacks.
#include "tests/inspectors/InspectorLibrary.h"
#include "tests/inspectors/RecordingHost.h"

#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

class BooleanAggregates : public LoadedInspectors {
protected:
    std::vector<AggregatePropertyCall> Both() {
        return {FindAggregate("conjunction", "boolean").value(),
                FindAggregate("disjunction", "boolean").value()};
    }
};

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

} // namespace
