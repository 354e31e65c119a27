// The alternative slots of every core aggregate: none yields a value or
// touches the state, and those not to be called for an aggregate report the
// misuse as a failed assertion "false".
#include "tests/support/InspectorLibrary.h"
#include "tests/support/ReportedAssertions.h"

#include <cstring>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

const boolean_value no = 0, yes = 1;
const integer two(2);
const floating_point five(5, 0, 0);

struct Case {
    const char* name;
    const char* elementType;
    const void* element; // one that changes the state when added
    std::size_t resultSize;
    const char* beginAltReportedBy; // the source file, or null: no report
    const char* addAltReportedBy;
};

const Case cases[] = {
    {"conjunction", "boolean", &no, 1, "BooleanAggregates.cpp", "BooleanAggregates.cpp"},
    {"disjunction", "boolean", &yes, 1, "BooleanAggregates.cpp", "BooleanAggregates.cpp"},
    {"product", "integer", &two, sizeof(integer), nullptr, "IntegerProduct.cpp"},
    {"mean", "floating point", &five, sizeof(floating_point), nullptr, nullptr},
    {"mean", "integer", &two, sizeof(floating_point), nullptr, nullptr},
    {"standard deviation", "floating point", &five, sizeof(floating_point), nullptr, nullptr},
    {"standard deviation", "integer", &two, sizeof(floating_point), nullptr, nullptr},
};

using AlternativeSlots = LoadedInspectors;

// After begin and one add, the alternative slot, then finish: the value must
// be the one finish gives without the alternative slot.
TEST_F(AlternativeSlots, HaveNoValueLeaveTheStateAloneAndReportOnlyMisuse) {
    for (const Case& c : cases) {
        const auto call = Find<AggregatePropertyCall>(c.name, c.elementType);
        const auto finishAfter = [&](AggregateCallback alternative, const char* reportedBy) {
            Storage state(call.stateSize), result(c.resultSize);
            void* s = call.constructState(state.Address());
            EXPECT_THROW(call.begin(result.Address(), nullptr, nullptr, s, call.registration),
                         NoSuchObject);
            EXPECT_THROW(call.add(result.Address(), nullptr, c.element, s, call.registration),
                         NoSuchObject);
            if (alternative != nullptr) {
                ReportedAssertions output;
                EXPECT_THROW(
                    alternative(result.Address(), nullptr, c.element, s, call.registration),
                    NoSuchObject);
                EXPECT_TRUE(result.Untouched());
                if (reportedBy == nullptr) {
                    EXPECT_EQ(output.Output(), "");
                } else {
                    EXPECT_THAT(output.Output(),
                                testing::MatchesRegex("Assertion failure at line [0-9]+ of " +
                                                      std::string(reportedBy) + ": false\n"));
                }
            }
            void* value = call.finish(result.Address(), nullptr, nullptr, s, call.registration);
            std::vector<std::byte> bytes(c.resultSize);
            std::memcpy(bytes.data(), value, c.resultSize);
            call.destroyState(s);
            return bytes;
        };
        const struct {
            const char* slot;
            AggregateCallback callback;
            const char* reportedBy;
        } slots[] = {{"beginAlt", call.beginAlt, c.beginAltReportedBy},
                     {"addAlt", call.addAlt, c.addAltReportedBy},
                     {"finishAlt", call.finishAlt, nullptr}};
        const auto expected = finishAfter(nullptr, nullptr);
        for (const auto& slot : slots) {
            SCOPED_TRACE(std::string(c.name) + " of " + c.elementType + ": " + slot.slot);
            EXPECT_EQ(finishAfter(slot.callback, slot.reportedBy), expected);
        }
    }
}

} // namespace
