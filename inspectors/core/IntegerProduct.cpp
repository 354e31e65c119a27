// "product": the exact product of a plural integer expression, or no value
// once a multiplication would leave the signed 64-bit range. The overflow is
// final: a later factor 0 does not bring the value back.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"
#include "universe/exceptions/Assertion.h"
#include "universe/integers/IntegerTypes.h"
#include "universe/integers/Overflow.h"

namespace {

// Laid out as declared to the host, 12 bytes: the flag directly after the
// product, and no padding to the product's 8-byte alignment.
#pragma pack(push, 4)
class IntegerProduct {
public:
    integer Begin() {
        product = 1;
        overflowed = false;
        throw NoSuchObject();
    }
    integer BeginAlt() { throw NoSuchObject(); }

    integer Add(const integer& element) {
        if (!overflowed) {
            if (CanMultiply(element.Value(), product)) {
                product *= element.Value();
            } else {
                overflowed = true;
            }
        }
        throw NoSuchObject();
    }
    integer AddAlt(const integer& /*element*/) {
        ASSERT(false);
        throw NoSuchObject();
    }

    integer Finish() {
        if (overflowed) {
            throw NoSuchObject();
        }
        return integer(product);
    }
    integer FinishAlt() { throw NoSuchObject(); }

private:
    int64 product;
    bool overflowed;
};
#pragma pack(pop)
static_assert(sizeof(IntegerProduct) == 12);

AggregatePropertyRegistration<IntegerProduct, integer, integer>
    product("product", "products", "", IntegerTypeName(), IntegerTypeName(), InspectorHook);

} // namespace
