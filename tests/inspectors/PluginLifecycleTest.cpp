// The plug-in as a loadable library: what loading and unloading it does to
// the host, that unloading really unmaps it, that it exports nothing of its
// own, and that its "no value" exception is the host's.
#include "tests/inspectors/ElfSymbols.h"
#include "tests/inspectors/InspectorLibrary.h"
#include "tests/inspectors/RecordingHost.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

Removal RemovalFor(const Call& registration) {
    struct Kind {
        Removal operator()(const TypeCall&) const { return Removal::Type; }
        Removal operator()(const BinaryOperatorCall&) const { return Removal::BinaryOperator; }
        Removal operator()(const CastCall&) const { return Removal::Cast; }
        Removal operator()(const UnregisterCall& c) const { return c.kind; }
        Removal operator()(const PropertyCall&) const { return Removal::Property; }
        Removal operator()(const IteratedPropertyCall&) const { return Removal::Property; }
        Removal operator()(const AggregatePropertyCall&) const { return Removal::Property; }
    };
    return std::visit(Kind{}, registration);
}

// Loads the plug-in, unloads it and returns its registration calls; checks on
// the way that every registration is removed exactly once, in reverse order.
std::vector<Call> LoadAndUnload() {
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
    for (std::size_t i = 0; i < std::min(removals.size(), registrations.size()); ++i) {
        const Call& registered = registrations[registrations.size() - 1 - i];
        EXPECT_EQ(removals[i].object, ObjectOf(registered)) << "removal " << i;
        EXPECT_EQ(removals[i].kind, RemovalFor(registered)) << "removal " << i;
    }
    return registrations;
}

TEST(PluginLifecycle, UnloadRemovesEveryRegistrationOnceInReverseOrder) {
    EXPECT_GE(LoadAndUnload().size(), 2u);
}

TEST(PluginLifecycle, UnloadingUnmapsTheLibraryAndLoadingAgainRegistersAgain) {
    const auto first = LoadAndUnload();
    EXPECT_FALSE(InspectorLibrary::IsMapped());
    const auto second = LoadAndUnload();
    EXPECT_FALSE(InspectorLibrary::IsMapped());
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].index(), second[i].index()) << "registration " << i;
    }
}

TEST(PluginLifecycle, EveryRegistrationReservesItsHostAreaAndNamesItselfTwice) {
    Reset();
    InspectorLibrary library;
    for (const Call& call : Registrations()) {
        std::visit(
            [](const auto& c) {
                if constexpr (!std::is_same_v<std::decay_t<decltype(c)>, UnregisterCall>) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(c)>, TypeCall>) {
                        EXPECT_EQ(c.hostAreaSize, 512u);
                        EXPECT_EQ(c.reserved, nullptr);
                    } else {
                        EXPECT_EQ(c.hostAreaSize, 128u);
                        EXPECT_EQ(c.registration, c.object);
                    }
                }
            },
            call);
    }
}

TEST(PluginLifecycle, ExportsNothingOfItsOwn) {
    const auto defined = DefinedDynamicSymbols(InspectorLibrary::Path());
    // Anything defined and visible would leak the plug-in's insides to the
    // host, or bind the host's own symbols to them.
    EXPECT_THAT(defined, testing::IsEmpty());
}

TEST(PluginLifecycle, LeavesTheHostFunctionsToTheLoadingProcess) {
    const auto undefined = UndefinedDynamicSymbols(InspectorLibrary::Path());
    EXPECT_THAT(undefined, testing::Contains("Register_Aggregate_Property"));
    EXPECT_THAT(undefined, testing::Contains("Unregister_Property"));
}

class NoValueAcrossTheBoundary : public LoadedInspectors {};

TEST_F(NoValueAcrossTheBoundary, IsCaughtByTheHostAsItsOwnNoSuchObject) {
    const auto call = FindAggregate("conjunction", "boolean").value();
    Storage state(call.stateSize), result(1);
    void* s = call.constructState(state.Address());
    bool caught = false;
    try {
        call.begin(result.Address(), nullptr, nullptr, s, call.registration);
    } catch (const NoSuchObject& e) {
        caught = true;
        EXPECT_STREQ(e.what(), "NoSuchObject");
        EXPECT_EQ(typeid(e), typeid(NoSuchObject));
    }
    EXPECT_TRUE(caught);
    EXPECT_THROW(call.finishAlt(result.Address(), nullptr, nullptr, s, call.registration),
                 DebuggableException);
    call.destroyState(s);
}

} // namespace
