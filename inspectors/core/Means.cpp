// "mean" of floating-point numbers and of integers. All arithmetic is the
// host's: its sums carry the status flags of their additions into the result.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"

namespace {

class MeanState {
public:
    floating_point Begin() {
        sum = floating_point();
        count = integer(0);
        throw NoSuchObject();
    }
    floating_point BeginAlt() { throw NoSuchObject(); }

    floating_point Add(const floating_point& element) {
        sum = sum + element;
        count = count + integer(1);
        throw NoSuchObject();
    }
    floating_point Add(const integer& element) { return Add(asFloatingPoint(element)); }
    floating_point AddAlt(const floating_point& /*element*/) { throw NoSuchObject(); }
    floating_point AddAlt(const integer& /*element*/) { throw NoSuchObject(); }

    // No elements: whatever the host's division by a zero count gives.
    floating_point Finish() { return sum / count; }
    floating_point FinishAlt() { throw NoSuchObject(); }

private:
    floating_point sum;
    integer count;
};

AggregatePropertyRegistration<MeanState, floating_point, floating_point>
    meanOfFloatingPoints("mean", "means", "", FloatingPointTypeName(), FloatingPointTypeName(),
                         InspectorHook);

AggregatePropertyRegistration<MeanState, floating_point, integer>
    meanOfIntegers("mean", "means", "", IntegerTypeName(), FloatingPointTypeName(), InspectorHook);

} // namespace
