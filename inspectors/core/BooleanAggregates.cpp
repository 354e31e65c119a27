// "conjunction" and "disjunction": one state class serves both, and the two
// registrations differ only in the operation that begins the aggregation,
// which sets the identity (true for conjunction, false for disjunction).
#include "frame/AggregatePropertyRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"
#include "universe/exceptions/Assertion.h"

namespace {

class BooleanAggregate {
public:
    boolean_value BeginConjunction() { return BeginWith(1); }
    boolean_value BeginDisjunction() { return BeginWith(0); }

    boolean_value BeginAlt() {
        ASSERT(false);
        throw NoSuchObject();
    }

    // The first element that differs from the identity decides the result;
    // later elements are still read but change nothing. The host's word
    // before the element is always null.
    boolean_value Add(const void* /*alwaysNull*/, const boolean_value& element) {
        if (current == identity) {
            current = element;
        }
        throw NoSuchObject();
    }

    boolean_value AddAlt(const void* /*alwaysNull*/, const boolean_value& /*element*/) {
        ASSERT(false);
        throw NoSuchObject();
    }

    boolean_value Finish() { return current; }

    boolean_value FinishAlt() { throw NoSuchObject(); }

private:
    boolean_value BeginWith(boolean_value theIdentity) {
        identity = theIdentity;
        current = identity;
        throw NoSuchObject();
    }

    boolean_value identity;
    boolean_value current;
};
static_assert(sizeof(BooleanAggregate) == 2);

using BooleanAggregateRegistration =
    SharedStateAggregateRegistration<BooleanAggregate, boolean_value, boolean_value>;

BooleanAggregateRegistration::Operations
OperationsBegunBy(BooleanAggregateRegistration::Operation begin) {
    return {begin,
            &BooleanAggregate::BeginAlt,
            &BooleanAggregate::Add,
            &BooleanAggregate::AddAlt,
            &BooleanAggregate::Finish,
            &BooleanAggregate::FinishAlt};
}

BooleanAggregateRegistration conjunction("conjunction", "conjunctions", "", BooleanTypeName(),
                                         BooleanTypeName(),
                                         OperationsBegunBy(&BooleanAggregate::BeginConjunction),
                                         InspectorHook);

BooleanAggregateRegistration disjunction("disjunction", "disjunctions", "", BooleanTypeName(),
                                         BooleanTypeName(),
                                         OperationsBegunBy(&BooleanAggregate::BeginDisjunction),
                                         InspectorHook);

} // namespace
