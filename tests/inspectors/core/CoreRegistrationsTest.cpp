// The core vocabulary as the host receives it at load: which registrations,
// with which names, types and sizes, in which order.
#include "tests/support/InspectorLibrary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

// The state and value sizes the library declares to the host, as on the
// 32-bit platform it was made for. Only the rope holds pointers (left, the
// piece's start and end, right): on a 64-bit build it is larger by exactly
// their extra width, and every other size is the declared one.
struct DeclaredSize {
    const char* registration;
    unsigned size;
    unsigned pointers;
};
const DeclaredSize declaredSizes[] = {
    {"conjunction", 2, 0}, {"disjunction", 2, 0}, {"product", 12, 0},
    {"mean", 28, 0},       {"rope", 16, 4},       {"standard deviation", 48, 0},
};

// A vocabulary row with its {size} filled in for this build, looked up by the
// name the row registers (its first quoted text).
std::string WithSizeOfThisBuild(std::string row) {
    const std::size_t at = row.find("{size}");
    if (at == std::string::npos) {
        return row;
    }
    const std::size_t nameStart = row.find('"') + 1;
    const std::string name = row.substr(nameStart, row.find('"', nameStart) - nameStart);
    for (const DeclaredSize& declared : declaredSizes) {
        if (name == declared.registration) {
            const std::size_t size = declared.size + declared.pointers * (sizeof(void*) - 4);
            return row.replace(at, 6, std::to_string(size));
        }
    }
    ADD_FAILURE() << "no declared size for " << name;
    return row;
}

// Every registration after the type passes its own address and the hook.
const std::vector<std::string> coreVocabulary = {
    R"(Register_Aggregate_Property(128, "conjunction", "conjunctions", "", "boolean", "boolean", {size}, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "disjunction", "disjunctions", "", "boolean", "boolean", {size}, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "product", "products", "", "integer", "integer", {size}, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "mean", "means", "", "floating point", "floating point", {size}, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "mean", "means", "", "integer", "floating point", {size}, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Property(128, "numeric value", "numeric values", "", "string", "integer", fn, self, fn))",
    R"(Register_Type(512, "rope", {size}, fn, null, null))",
    R"(Register_Property(128, "rope", "ropes", "string", "", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 5, "rope", "string", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 5, "string", "rope", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 5, "rope", "rope", "rope", fn, self, fn))",
    R"(Register_Binary_Operator(128, 11, "rope", "string", "boolean", fn, self, fn))",
    R"(Register_Property(128, "length", "lengths", "", "rope", "integer", fn, self, fn))",
    R"(Register_Cast(128, "string", "rope", "string", fn, self, fn))",
    R"(Register_Aggregate_Property(128, "standard deviation", "standard deviations", "", "floating point", "floating point", {size}, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
    R"(Register_Aggregate_Property(128, "standard deviation", "standard deviations", "", "integer", "floating point", {size}, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
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
        EXPECT_EQ(Describe(calls[i]), WithSizeOfThisBuild(coreVocabulary[i])) << i;
        const HookCallback own = std::visit(HookOf{}, calls[i]);
        EXPECT_TRUE(own == nullptr || own == hook) << i << ": all share one hook";
    }
    hook(); // does nothing, and says so by returning
}

} // namespace
