// The core vocabulary as the host receives it at load: which registrations,
// with which names, types and sizes, in which order.
#include "tests/support/InspectorLibrary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

// Every registration after the type passes its own address and the hook.
const std::vector<std::string> coreVocabulary = {
    R"(Register_Aggregate_Property(128, "conjunction", "conjunctions", "", "boolean", "boolean", 2, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "disjunction", "disjunctions", "", "boolean", "boolean", 2, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "product", "products", "", "integer", "integer", 16, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "mean", "means", "", "floating point", "floating point", 32, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "mean", "means", "", "integer", "floating point", 32, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Property(128, "numeric value", "numeric values", "", "string", "integer", fn, self, fn))",
    R"(Register_Type(512, "rope", 32, fn, null, null))",
    R"(Register_Property(128, "rope", "ropes", "string", "", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 5, "rope", "string", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 5, "string", "rope", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 5, "rope", "rope", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 11, "rope", "string", "boolean", fn, self, fn))",
    R"(Register_Property(128, "length", "lengths", "", "rope", "integer", fn, self, fn))",
    R"(Register_Cast(128, "string", "rope", "string", fn, self, fn))",
    R"(Register_Aggregate_Property(128, "standard deviation", "standard deviations", "", "floating point", "floating point", 48, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "standard deviation", "standard deviations", "", "integer", "floating point", 48, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Cast(128, "left trimmed string", "string", "string", fn, self, fn))",
    R"(Register_Cast(128, "right trimmed string", "string", "string", fn, self, fn))",
    R"(Register_Cast(128, "trimmed string", "string", "string", fn, self, fn))",
};

// The hook of a registration that has one.
struct HookOf {
    HookCallback operator()(const TypeCall&) const { return nullptr; }
    HookCallback operator()(const UnregisterCall&) const { return nullptr; }
    HookCallback operator()(const auto& call) const { return call.hook; }
};

using CoreRegistrations = LoadedInspectors;

TEST_F(CoreRegistrations, ComeFirstInOrderWithTheirNamesTypesAndSizes) {
    const auto calls = Registrations();
    ASSERT_GE(calls.size(), coreVocabulary.size());
    const HookCallback hook = std::visit(HookOf{}, calls[0]);
    for (std::size_t i = 0; i < coreVocabulary.size(); ++i) {
        EXPECT_EQ(Describe(calls[i]), coreVocabulary[i]) << i;
        const HookCallback own = std::visit(HookOf{}, calls[i]);
        EXPECT_TRUE(own == nullptr || own == hook) << i << ": all share one hook";
    }
    hook(); // does nothing, and says so by returning
}

} // namespace
