// Tuple values as the host passes them: the operand address is the address of
// the first node of a chain, one node per component in order.
#pragma once

#include "universe/integers/IntegerTypes.h"

struct TupleNode {
    const void* value;     // the component, in its type's host representation
    const TupleNode* next; // null after the last component
};

// The address of component `index` (0 is the first). A tuple without that
// component is a programming fault: reported, then answered with NoSuchObject.
const void* TupleElement(uint32 index, const TupleNode* first);

template <typename Component>
const Component& TupleComponent(uint32 index, const TupleNode& first) {
    return *static_cast<const Component*>(TupleElement(index, &first));
}
