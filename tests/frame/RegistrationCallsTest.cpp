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
    integer Finish() { return integer(total[0]); }
    integer FinishAlt() { throw NoSuchObject(); }
    int64 total[3];
};
static_assert(sizeof(Tally) == 24);

struct Payload {
    double a, b, c;
};

struct Case {
    const char* kind;
    void (*registerAndRemove)();
    const char* registration;
    Removal removal;
};

const Case cases[] = {
    {"type", [] { ValueTypeRegistration<Payload> r("payload"); },
     R"(Register_Type(512, "payload", 24, fn, null, null))", Removal::Type},
    {"type with a base", [] { TypeRegistration r("derived", 12, nullptr, "base"); },
     R"(Register_Type(512, "derived", 12, null, "base", null))", Removal::Type},
    {"property",
     [] {
         PropertyRegistration<integer, NoOperand, integer> r("negation", "negations", "", "integer",
                                                             "integer", &Negated, InspectorHook);
     },
     R"(Register_Property(128, "negation", "negations", "", "integer", "integer", fn, self, fn))",
     Removal::Property},
    {"iterated property",
     [] {
         IteratedPropertyRegistration<Counter, integer, integer> r("count", "counts", "integer", "",
                                                                   "integer", nullptr);
     },
     R"(Register_Iterated_Property(128, "count", "counts", "integer", "", "integer", 8, fn, fn, fn, fn, self, null))",
     Removal::Property},
    {"aggregate",
     [] {
         AggregatePropertyRegistration<Tally, integer, string_value> r(
             "tally", "tallies", "", "string", "integer", InspectorHook);
     },
     R"(Register_Aggregate_Property(128, "tally", "tallies", "", "string", "integer", 24, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
     Removal::Property},
    {"binary operator",
     [] {
         BinaryOperatorRegistration<integer, integer, integer> r(
             OperatorConcatenate, "integer", "floating point", "string", &Sum, InspectorHook);
     },
     R"(Register_Binary_Operator(128, 5, "integer", "floating point", "string", fn, self, fn))",
     Removal::BinaryOperator},
    {"cast",
     [] {
         CastRegistration<boolean_value, integer> r("zero", "integer", "boolean", &IsZero,
                                                    InspectorHook);
     },
     R"(Register_Cast(128, "zero", "integer", "boolean", fn, self, fn))", Removal::Cast},
};

TEST(RegistrationCalls, EachKindRegistersWithItsArgumentsInOrderAndIsRemovedOnce) {
    for (const Case& c : cases) {
        Reset();
        c.registerAndRemove();
        ASSERT_EQ(Calls().size(), 2u) << c.kind;
        EXPECT_EQ(Describe(Calls()[0]), c.registration) << c.kind;
        const auto* removal = std::get_if<UnregisterCall>(&Calls()[1]);
        ASSERT_NE(removal, nullptr) << c.kind;
        EXPECT_EQ(removal->kind, c.removal) << c.kind;
        EXPECT_EQ(removal->object, ObjectOf(Calls()[0])) << c.kind;
    }
}

} // namespace
