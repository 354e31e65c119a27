// The plug-in as a loadable library: what loading and unloading it does to
// the host, that unloading really unmaps it and that it exports nothing of
// its own.
#include "tests/support/InspectorLibrary.h"
#include "tests/support/Process.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

struct RemovalKind {
    Removal operator()(const TypeCall&) const { return Removal::Type; }
    Removal operator()(const PropertyCall&) const { return Removal::Property; }
    Removal operator()(const IteratedPropertyCall&) const { return Removal::Property; }
    Removal operator()(const AggregatePropertyCall&) const { return Removal::Property; }
    Removal operator()(const BinaryOperatorCall&) const { return Removal::BinaryOperator; }
    Removal operator()(const CastCall&) const { return Removal::Cast; }
    Removal operator()(const UnregisterCall& c) const { return c.kind; }
};

// Loads the plug-in, unloads it and returns what it registered; checks on the
// way that every registration is removed exactly once, in reverse order.
std::vector<std::string> LoadAndUnload() {
    Reset();
    {
        InspectorLibrary library;
        EXPECT_TRUE(InspectorLibrary::IsMapped());
        EXPECT_TRUE(Removals().empty()) << "nothing is removed while loaded";
    }
    const auto registrations = Registrations();
    const auto removals = Removals();
    EXPECT_EQ(Calls().size(), registrations.size() + removals.size());
    EXPECT_EQ(removals.size(), registrations.size());
    std::vector<std::string> described;
    for (std::size_t i = 0; i < registrations.size(); ++i) {
        described.push_back(Describe(registrations[i]));
        // A type reserves 512 bytes and passes null last; every other kind
        // reserves 128 and hands its own address back for the callbacks.
        EXPECT_THAT(described.back(),
                    testing::MatchesRegex(R"(Register_Type\(512, .*, null\))"
                                          R"(|Register_[A-Za-z_]+\(128, .*, self, (fn|null)\))"));
        if (i < removals.size()) {
            const auto& removal = removals[removals.size() - 1 - i];
            EXPECT_EQ(removal.object, ObjectOf(registrations[i])) << described.back();
            EXPECT_EQ(removal.kind, std::visit(RemovalKind{}, registrations[i]))
                << described.back();
        }
    }
    return described;
}

TEST(InspectorLibraryLifecycle, UnloadingRemovesEverythingUnmapsTheLibraryAndLoadingAgainRepeatsIt) {
    const auto first = LoadAndUnload();
    EXPECT_GE(first.size(), 2u);
    EXPECT_FALSE(InspectorLibrary::IsMapped());
    EXPECT_EQ(LoadAndUnload(), first);
    EXPECT_FALSE(InspectorLibrary::IsMapped());
}

TEST(InspectorLibraryLifecycle, ExportsNothingOfItsOwnAndTakesTheHostFunctionsFromTheProcess) {
    // Anything defined and visible would leak the plug-in's insides to the
    // host, or bind the host's own symbols to them.
    const std::string symbols = "nm -D --format=just-symbols ";
    const ProcessOutcome defined =
        RunProcess(symbols + "--defined-only " + InspectorLibrary::Path());
    EXPECT_EQ(defined.status, 0) << defined.err;
    EXPECT_EQ(defined.out, "");
    std::string undefined = "\n";
    undefined += RunProcess(symbols + "--undefined-only " + InspectorLibrary::Path()).out;
    EXPECT_THAT(undefined, testing::HasSubstr("\nRegister_Aggregate_Property\n"));
    EXPECT_THAT(undefined, testing::HasSubstr("\nUnregister_Property\n"));
}

} // namespace
