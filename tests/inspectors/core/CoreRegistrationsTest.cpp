// The core vocabulary as the host receives it at load: which registrations,
// with which names, types and sizes, in which order.
#include "tests/inspectors/InspectorLibrary.h"
#include "tests/inspectors/RecordingHost.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

std::string Show(const Text& text) {
    return text ? "'" + *text + "'" : "null";
}

// One line per registration with every name, type and size it passes; the
// other kinds must hand back their own address and the shared hook.
struct Describe {
    HookCallback hook;

    std::string operator()(const TypeCall& c) const {
        return "type " + Show(c.typeName) + " size " + std::to_string(c.valueSize) + " base " +
               Show(c.baseTypeName) + " area " + std::to_string(c.hostAreaSize);
    }
    std::string operator()(const PropertyCall& c) const {
        return Own(c) + "property " + Show(c.name) + "/" + Show(c.pluralName) + " index " +
               Show(c.indexType) + " of " + Show(c.directObjectType) + " -> " + Show(c.resultType);
    }
    std::string operator()(const AggregatePropertyCall& c) const {
        return Own(c) + "aggregate " + Show(c.name) + "/" + Show(c.pluralName) + " index " +
               Show(c.indexType) + " of " + Show(c.elementType) + " -> " + Show(c.resultType) +
               " state " + std::to_string(c.stateSize);
    }
    std::string operator()(const BinaryOperatorCall& c) const {
        return Own(c) + "operator " + std::to_string(c.operatorCode) + " " + Show(c.leftType) +
               " " + Show(c.rightType) + " -> " + Show(c.resultType);
    }
    std::string operator()(const CastCall& c) const {
        return Own(c) + "cast " + Show(c.castName) + " from " + Show(c.sourceType) + " -> " +
               Show(c.targetType);
    }
    std::string operator()(const auto&) const { return "other"; }

    template <typename Call>
    std::string Own(const Call& c) const {
        const bool own = c.hostAreaSize == 128 && c.registration == c.object && c.hook == hook;
        return own ? "" : "(foreign) ";
    }
};

const std::vector<std::string> coreVocabulary = {
    "aggregate 'product'/'products' index '' of 'integer' -> 'integer' state 16",
    "aggregate 'mean'/'means' index '' of 'floating point' -> 'floating point' state 32",
    "aggregate 'mean'/'means' index '' of 'integer' -> 'floating point' state 32",
    "property 'numeric value'/'numeric values' index '' of 'string' -> 'integer'",
    "type 'rope' size 32 base null area 512",
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

using CoreRegistrations = LoadedInspectors;

TEST_F(CoreRegistrations, FollowTheBooleanAggregatesInOrder) {
    const auto calls = Registrations();
    constexpr std::size_t firstCore = 2; // after "conjunction" and "disjunction"
    ASSERT_GE(calls.size(), firstCore + coreVocabulary.size());
    const Describe describe{std::get<AggregatePropertyCall>(calls[0]).hook};
    for (std::size_t i = 0; i < coreVocabulary.size(); ++i) {
        EXPECT_EQ(std::visit(describe, calls[firstCore + i]), coreVocabulary[i]) << i;
    }
}

} // namespace
