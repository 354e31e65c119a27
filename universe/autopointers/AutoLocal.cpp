#include "universe/autopointers/AutoLocal.h"

#include "universe/exceptions/Assertion.h"
#include "universe/exceptions/LocalFreeFailed.h"

AutoLocal::~AutoLocal() {
    try {
        Free();
    } catch (const LocalFreeFailed&) {
        ASSERT(false);
    }
}

HLOCAL* AutoLocal::Receive() {
    Free();
    return &block;
}

void AutoLocal::Free() {
    HLOCAL held = block;
    block = nullptr;
    if (LocalFree(held) != nullptr) {
        throw LocalFreeFailed();
    }
}
