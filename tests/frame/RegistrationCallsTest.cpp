// Each registration kind makes exactly one host call on construction, with
// its arguments in the host's order, and exactly one removal call on
// destruction.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/InspectorHook.h"
#include "frame/IteratedPropertyRegistration.h"
#include "frame/PropertyRegistration.h"
#include "frame/TypeRegistration.h"
#include "tests/inspectors/RecordingHost.h"
#include "universe/integers/IntegerTypes.h"

#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

integer Negated(const integer& i) {
    return integer(-i.Value());
}
integer Sum(const integer& a, const integer& b) {
    return integer(a.Value() + b.Value());
}
boolean_value IsZero(const integer& i) {
    return i.Value() == 0;
}

struct Counter {
    integer First(const integer&) { throw NoSuchObject(); }
    integer Next(const integer&) { throw NoSuchObject(); }
    int64 count;
};

struct Tally {
    integer Begin() { throw NoSuchObject(); }
    integer BeginAlt() { throw NoSuchObject(); }
    integer Add(const string_value&) { throw NoSuchObject(); }
    integer AddAlt(const string_value&) { throw NoSuchObject(); }
    integer Finish() { return integer(total); }
    integer FinishAlt() { throw NoSuchObject(); }
    int64 total;
    int32 more[3];
};

struct Payload {
    double a, b, c;
};

class RegistrationCalls : public testing::Test {
protected:
    RegistrationCalls() { Reset(); }

    // After the object is gone: one registration, then one matching removal.
    template <typename Expected>
    void ExpectRegisteredThenRemovedOnce(const void* object, Removal removal) {
        ASSERT_EQ(Calls().size(), 2u);
        EXPECT_TRUE(std::holds_alternative<Expected>(Calls()[0]));
        const auto* unregister = std::get_if<UnregisterCall>(&Calls()[1]);
        ASSERT_NE(unregister, nullptr);
        EXPECT_EQ(unregister->kind, removal);
        EXPECT_EQ(unregister->object, object);
    }
};

TEST_F(RegistrationCalls, TypeReserves512BytesPassesNullForNoBaseAndNullLast) {
    const void* object = nullptr;
    {
        ValueTypeRegistration<Payload> type("payload");
        object = &type;
        const auto& call = std::get<TypeCall>(Calls().at(0));
        EXPECT_EQ(call.object, object);
        EXPECT_EQ(call.hostAreaSize, 512u);
        EXPECT_EQ(call.typeName, "payload");
        EXPECT_EQ(call.valueSize, sizeof(Payload));
        EXPECT_NE(call.destroyValue, nullptr);
        EXPECT_EQ(call.baseTypeName, std::nullopt);
        EXPECT_EQ(call.reserved, nullptr);
    }
    ExpectRegisteredThenRemovedOnce<TypeCall>(object, Removal::Type);
}

TEST_F(RegistrationCalls, TypeNamesItsBaseType) {
    TypeRegistration type("derived", 12, nullptr, "base");
    EXPECT_EQ(std::get<TypeCall>(Calls().at(0)).baseTypeName, "base");
    EXPECT_EQ(std::get<TypeCall>(Calls().at(0)).valueSize, 12u);
}

TEST_F(RegistrationCalls, PropertyPassesItsNamesTypesAndItselfAsRegistration) {
    const void* object = nullptr;
    {
        PropertyRegistration<integer, NoOperand, integer> property(
            "negation", "negations", "", "integer", "integer", &Negated, InspectorHook);
        object = &property;
        const auto& call = std::get<PropertyCall>(Calls().at(0));
        EXPECT_EQ(call.object, object);
        EXPECT_EQ(call.hostAreaSize, 128u);
        EXPECT_EQ(call.name, "negation");
        EXPECT_EQ(call.pluralName, "negations");
        EXPECT_EQ(call.indexType, "");
        EXPECT_EQ(call.directObjectType, "integer");
        EXPECT_EQ(call.resultType, "integer");
        EXPECT_NE(call.evaluate, nullptr);
        EXPECT_EQ(call.registration, object);
        EXPECT_EQ(call.hook, &InspectorHook);
    }
    ExpectRegisteredThenRemovedOnce<PropertyCall>(object, Removal::Property);
}

TEST_F(RegistrationCalls, IteratedPropertyDeclaresItsStateSizeAndIsRemovedAsAProperty) {
    const void* object = nullptr;
    {
        IteratedPropertyRegistration<Counter, integer, integer> counting(
            "count", "counts", "integer", "", "integer", nullptr);
        object = &counting;
        const auto& call = std::get<IteratedPropertyCall>(Calls().at(0));
        EXPECT_EQ(call.object, object);
        EXPECT_EQ(call.hostAreaSize, 128u);
        EXPECT_EQ(call.name, "count");
        EXPECT_EQ(call.pluralName, "counts");
        EXPECT_EQ(call.indexType, "integer");
        EXPECT_EQ(call.directObjectType, "");
        EXPECT_EQ(call.resultType, "integer");
        EXPECT_EQ(call.stateSize, sizeof(Counter));
        EXPECT_NE(call.constructState, nullptr);
        EXPECT_NE(call.destroyState, nullptr);
        EXPECT_NE(call.first, nullptr);
        EXPECT_NE(call.next, nullptr);
        EXPECT_EQ(call.registration, object);
        EXPECT_EQ(call.hook, nullptr);
    }
    ExpectRegisteredThenRemovedOnce<IteratedPropertyCall>(object, Removal::Property);
}

TEST_F(RegistrationCalls, AggregateDeclaresItsStateSizeAndSixSlotsAndIsRemovedAsAProperty) {
    const void* object = nullptr;
    {
        AggregatePropertyRegistration<Tally, integer, string_value> tally(
            "tally", "tallies", "", "string", "integer", InspectorHook);
        object = &tally;
        const auto& call = std::get<AggregatePropertyCall>(Calls().at(0));
        EXPECT_EQ(call.object, object);
        EXPECT_EQ(call.hostAreaSize, 128u);
        EXPECT_EQ(call.name, "tally");
        EXPECT_EQ(call.pluralName, "tallies");
        EXPECT_EQ(call.indexType, "");
        EXPECT_EQ(call.elementType, "string");
        EXPECT_EQ(call.resultType, "integer");
        EXPECT_EQ(call.stateSize, sizeof(Tally));
        for (auto slot :
             {call.begin, call.beginAlt, call.add, call.addAlt, call.finish, call.finishAlt}) {
            EXPECT_NE(slot, nullptr);
        }
        EXPECT_NE(call.constructState, nullptr);
        EXPECT_NE(call.destroyState, nullptr);
        EXPECT_EQ(call.registration, object);
        EXPECT_EQ(call.hook, &InspectorHook);
    }
    ExpectRegisteredThenRemovedOnce<AggregatePropertyCall>(object, Removal::Property);
}

TEST_F(RegistrationCalls, BinaryOperatorPassesItsCodeAndOperandTypesInOrder) {
    const void* object = nullptr;
    {
        BinaryOperatorRegistration<integer, integer, integer> sum(
            OperatorConcatenate, "integer", "floating point", "string", &Sum, InspectorHook);
        object = &sum;
        const auto& call = std::get<BinaryOperatorCall>(Calls().at(0));
        EXPECT_EQ(call.object, object);
        EXPECT_EQ(call.hostAreaSize, 128u);
        EXPECT_EQ(call.operatorCode, 5);
        EXPECT_EQ(call.leftType, "integer");
        EXPECT_EQ(call.rightType, "floating point");
        EXPECT_EQ(call.resultType, "string");
        EXPECT_NE(call.evaluate, nullptr);
        EXPECT_EQ(call.registration, object);
        EXPECT_EQ(call.hook, &InspectorHook);
    }
    ExpectRegisteredThenRemovedOnce<BinaryOperatorCall>(object, Removal::BinaryOperator);
}

TEST_F(RegistrationCalls, CastPassesItsNameThenSourceThenTargetType) {
    const void* object = nullptr;
    {
        CastRegistration<boolean_value, integer> cast("zero", "integer", "boolean", &IsZero,
                                                      InspectorHook);
        object = &cast;
        const auto& call = std::get<CastCall>(Calls().at(0));
        EXPECT_EQ(call.object, object);
        EXPECT_EQ(call.hostAreaSize, 128u);
        EXPECT_EQ(call.castName, "zero");
        EXPECT_EQ(call.sourceType, "integer");
        EXPECT_EQ(call.targetType, "boolean");
        EXPECT_NE(call.evaluate, nullptr);
        EXPECT_EQ(call.registration, object);
        EXPECT_EQ(call.hook, &InspectorHook);
    }
    ExpectRegisteredThenRemovedOnce<CastCall>(object, Removal::Cast);
}

TEST_F(RegistrationCalls, ObjectsWithoutFieldsOfTheirOwnAreExactlyTheirHostArea) {
    EXPECT_EQ(sizeof(TypeRegistration), 512u);
    EXPECT_EQ((sizeof(AggregatePropertyRegistration<Tally, integer, string_value>)), 128u);
    EXPECT_EQ((sizeof(IteratedPropertyRegistration<Counter, integer, integer>)), 128u);
    EXPECT_EQ(sizeof(ValueTypeRegistration<Payload>), 512u);
}

} // namespace
