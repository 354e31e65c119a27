// The alternative slots of every core aggregate: none yields a value or
// touches the state, and those not to be called for an aggregate report the
// misuse as a failed assertion "false".
#include "tests/support/InspectorLibrary.h"
#include "tests/support/ReportedAssertions.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

const boolean_value no = 0, yes = 1;
const integer two(2);
const floating_point five(5, 0, 0);

// With an element that changes the state when added, and the source file
// that reports a call of beginAlt and of addAlt ("" for none).
struct Case {
    const char* name;
    const char* elementType;
    const void* element;
    std::size_t resultSize;
    const char* reporters[3];
};

const Case cases[] = {
    {"conjunction", "boolean", &no, 1, {"BooleanAggregates.cpp", "BooleanAggregates.cpp", ""}},
    {"disjunction", "boolean", &yes, 1, {"BooleanAggregates.cpp", "BooleanAggregates.cpp", ""}},
    {"product", "integer", &two, sizeof(integer), {"", "IntegerProduct.cpp", ""}},
    {"mean", "floating point", &five, sizeof(floating_point), {"", "", ""}},
    {"mean", "integer", &two, sizeof(floating_point), {"", "", ""}},
    {"standard deviation", "floating point", &five, sizeof(floating_point), {"", "", ""}},
    {"standard deviation", "integer", &two, sizeof(floating_point), {"", "", ""}},
};

using AlternativeSlots = LoadedInspectors;

// Begin and one add, then an alternative slot, then finish: the value must
// be the one finish gives without the alternative slot.
TEST_F(AlternativeSlots, HaveNoValueLeaveTheStateAloneAndReportOnlyMisuse) {
    for (const Case& c : cases) {
        const auto call = Find<AggregatePropertyCall>(c.name, c.elementType);
        const auto finishAfter = [&](AggregateCallback alternative, const std::string& reporter) {
            Storage state(call.stateSize), result(c.resultSize);
            void* s = call.constructState(state.Address());
            const void* r = call.registration;
            EXPECT_THROW(call.begin(result.Address(), nullptr, nullptr, s, r), NoSuchObject);
            EXPECT_THROW(call.add(result.Address(), nullptr, c.element, s, r), NoSuchObject);
            if (alternative != nullptr) {
                ReportedAssertions output;
                EXPECT_THROW(alternative(result.Address(), nullptr, c.element, s, r), NoSuchObject);
                EXPECT_TRUE(result.Untouched());
                EXPECT_EQ(output.Conditions(), reporter.empty()
                                                   ? std::vector<std::string>()
                                                   : std::vector<std::string>{"false"});
                EXPECT_TRUE(output.Output().find(reporter) != std::string::npos);
            }
            std::vector<std::byte> bytes(c.resultSize);
            std::memcpy(bytes.data(), call.finish(result.Address(), nullptr, nullptr, s, r),
                        c.resultSize);
            call.destroyState(s);
            return bytes;
        };
        const auto expected = finishAfter(nullptr, "");
        const AggregateCallback slots[] = {call.beginAlt, call.addAlt, call.finishAlt};
        for (int slot = 0; slot < 3; ++slot) {
            SCOPED_TRACE(testing::Message() << c.name << " of " << c.elementType << ", slot "
                                            << (slot == 0   ? "beginAlt"
                                                : slot == 1 ? "addAlt"
                                                            : "finishAlt"));
            EXPECT_EQ(finishAfter(slots[slot], c.reporters[slot]), expected);
        }
    }
}

} // namespace
