#include "frame/TupleElement.h"

#include "frame/NoSuchObject.h"
#include "universe/exceptions/Assertion.h"

const void* TupleElement(uint32 index, const TupleNode* node) {
    for (uint32 step = 0; step < index; ++step) {
        ASSERT(node != 0);
        if (node == nullptr) {
            throw NoSuchObject();
        }
        node = node->next;
    }
    ASSERT(node != 0);
    if (node == nullptr) {
        throw NoSuchObject();
    }
    return node->value;
}
