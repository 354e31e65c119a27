// "mean" of floating-point numbers and of integers. All arithmetic is the
// host's: its sums carry the status flags of their additions into the result.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"
#include "universe/integers/IntegerTypes.h"

namespace {

// Laid out as declared to the host, 28 bytes: the count directly after the
// 20-byte sum ("floating point" is packed itself), with no padding to the
// count's 8-byte alignment. The count is kept as the host integer's value,
// since an object of the integer class must not sit at that offset; the
// arithmetic on it is still the host's.
#pragma pack(push, 4)
class MeanState {
public:
    floating_point Begin() {
        sum = floating_point();
        count = 0;
        throw NoSuchObject();
    }
    floating_point BeginAlt() { throw NoSuchObject(); }

    floating_point Add(const floating_point& element) {
        sum = sum + element;
        count = (integer(count) + integer(1)).Value();
        throw NoSuchObject();
    }
    floating_point Add(const integer& element) { return Add(asFloatingPoint(element)); }
    floating_point AddAlt(const floating_point& /*element*/) { throw NoSuchObject(); }
    floating_point AddAlt(const integer& /*element*/) { throw NoSuchObject(); }

    // No elements: whatever the host's division by a zero count gives.
    floating_point Finish() { return sum / integer(count); }
    floating_point FinishAlt() { throw NoSuchObject(); }

private:
    floating_point sum;
    int64 count;
};
#pragma pack(pop)
static_assert(sizeof(MeanState) == 28);

AggregatePropertyRegistration<MeanState, floating_point, floating_point>
    meanOfFloatingPoints("mean", "means", "", FloatingPointTypeName(), FloatingPointTypeName(),
                         InspectorHook);

AggregatePropertyRegistration<MeanState, floating_point, integer>
    meanOfIntegers("mean", "means", "", IntegerTypeName(), FloatingPointTypeName(), InspectorHook);

} // namespace
