// The core vocabulary as the host receives it at load: which registrations,
// with which names and types, in which order, and their removal at unload.
#include "tests/inspectors/InspectorLibrary.h"
#include "tests/inspectors/RecordingHost.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

std::string Show(const Text& text) {
    return text ? "'" + *text + "'" : "null";
}

// One line per registration, with every name and type it passes.
struct Describe {
    std::string operator()(const TypeCall& c) const {
        return "type " + Show(c.typeName) + " size " + std::to_string(c.valueSize) + " base " +
               Show(c.baseTypeName);
    }
    std::string operator()(const PropertyCall& c) const {
        return "property " + Show(c.name) + "/" + Show(c.pluralName) + " index " +
               Show(c.indexType) + " of " + Show(c.directObjectType) + " -> " + Show(c.resultType);
    }
    std::string operator()(const IteratedPropertyCall& c) const {
        return "iterated " + Show(c.name);
    }
    std::string operator()(const AggregatePropertyCall& c) const {
        return "aggregate " + Show(c.name) + "/" + Show(c.pluralName) + " index " +
               Show(c.indexType) + " of " + Show(c.elementType) + " -> " + Show(c.resultType) +
               " state " + std::to_string(c.stateSize);
    }
    std::string operator()(const BinaryOperatorCall& c) const {
        return "operator " + std::to_string(c.operatorCode) + " " + Show(c.leftType) + " " +
               Show(c.rightType) + " -> " + Show(c.resultType);
    }
    std::string operator()(const CastCall& c) const {
        return "cast " + Show(c.castName) + " from " + Show(c.sourceType) + " -> " +
               Show(c.targetType);
    }
    std::string operator()(const UnregisterCall&) const { return "removal"; }
};

const std::vector<std::string> coreVocabulary = {
    "aggregate 'product'/'products' index '' of 'integer' -> 'integer' state 16",
    "aggregate 'mean'/'means' index '' of 'floating point' -> 'floating point' state 32",
    "aggregate 'mean'/'means' index '' of 'integer' -> 'floating point' state 32",
    "property 'numeric value'/'numeric values' index '' of 'string' -> 'integer'",
    "type 'rope' size 32 base null",
    "property 'rope'/'ropes' index 'string' of '' -> 'rope'",
    "operator 5 'rope' 'string' -> 'rope'",
    "operator 5 'string' 'rope' -> 'rope'",
    "operator 5 'rope' 'rope' -> 'rope'",
    "operator 11 'rope' 'string' -> 'boolean'",
    "property 'length'/'lengths' index '' of 'rope' -> 'integer'",
    "cast 'string' from 'rope' -> 'string'",
    "aggregate 'standard deviation'/'standard deviations' index '' of 'floating point' -> "
    "'floating point' state 48",
    "aggregate 'standard deviation'/'standard deviations' index '' of 'integer' -> "
    "'floating point' state 48",
    "cast 'left trimmed string' from 'string' -> 'string'",
    "cast 'right trimmed string' from 'string' -> 'string'",
    "cast 'trimmed string' from 'string' -> 'string'",
};

// The boolean aggregates come first and are not ours to list.
constexpr std::size_t firstCore = 2;

using CoreRegistrations = LoadedInspectors;

TEST_F(CoreRegistrations, FollowTheBooleanAggregatesInOrder) {
    const auto calls = Registrations();
    ASSERT_GE(calls.size(), firstCore + coreVocabulary.size());
    for (std::size_t i = 0; i < coreVocabulary.size(); ++i) {
        EXPECT_EQ(std::visit(Describe{}, calls[firstCore + i]), coreVocabulary[i]) << i;
    }
}

TEST_F(CoreRegistrations, HandTheHostTheirOwnAddressAreaSizeAndHook) {
    const auto calls = Registrations();
    ASSERT_GE(calls.size(), firstCore + coreVocabulary.size());
    HookCallback sharedHook = nullptr;
    for (std::size_t i = firstCore; i < firstCore + coreVocabulary.size(); ++i) {
        std::visit(
            [&](const auto& c) {
                using Kind = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<Kind, TypeCall>) {
                    EXPECT_EQ(c.hostAreaSize, 512u);
                    EXPECT_NE(c.destroyValue, nullptr);
                    EXPECT_EQ(c.reserved, nullptr);
                } else if constexpr (!std::is_same_v<Kind, UnregisterCall>) {
                    EXPECT_EQ(c.hostAreaSize, 128u) << i;
                    EXPECT_EQ(c.registration, c.object) << i;
                    ASSERT_NE(c.hook, nullptr) << i;
                    if (sharedHook == nullptr) {
                        sharedHook = c.hook;
                    }
                    EXPECT_EQ(c.hook, sharedHook) << i;
                }
            },
            calls[i]);
    }
}

TEST_F(CoreRegistrations, AreEachRemovedOnceInReverseOrderAtUnload) {
    const auto calls = Registrations();
    ASSERT_GE(calls.size(), firstCore + coreVocabulary.size());
    library.Unload();
    const auto removals = Removals();
    ASSERT_EQ(removals.size(), calls.size());
    for (std::size_t i = firstCore; i < firstCore + coreVocabulary.size(); ++i) {
        const UnregisterCall& removal = removals[calls.size() - 1 - i];
        EXPECT_EQ(removal.object, ObjectOf(calls[i])) << i;
        const Removal expected = std::visit(
            [](const auto& c) {
                using Kind = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<Kind, TypeCall>) {
                    return Removal::Type;
                } else if constexpr (std::is_same_v<Kind, BinaryOperatorCall>) {
                    return Removal::BinaryOperator;
                } else if constexpr (std::is_same_v<Kind, CastCall>) {
                    return Removal::Cast;
                } else {
                    return Removal::Property;
                }
            },
            calls[i]);
        EXPECT_EQ(removal.kind, expected) << i;
    }
}

} // namespace
