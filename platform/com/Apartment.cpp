// Per-thread COM initialisation. There are no apartments to marshal between:
// the count only decides whether a thread may create objects.
#include "platform/com/Apartment.h"

#include <objbase.h>

namespace {

struct ThreadState {
    unsigned long count = 0;
    DWORD model = 0;
};

thread_local ThreadState state;

constexpr DWORD ModelOf(DWORD coInit) {
    return coInit & COINIT_APARTMENTTHREADED;
}

} // namespace

bool ComIsInitializedOnThisThread() {
    return state.count > 0;
}

HRESULT CoInitializeEx(LPVOID reserved, DWORD coInit) {
    if (reserved != nullptr) {
        return E_INVALIDARG;
    }
    if (state.count > 0) {
        if (ModelOf(coInit) != state.model) {
            return RPC_E_CHANGED_MODE;
        }
        ++state.count;
        return S_FALSE;
    }
    state.model = ModelOf(coInit);
    state.count = 1;
    return S_OK;
}

HRESULT CoInitialize(LPVOID reserved) {
    return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

void CoUninitialize() {
    if (state.count > 0) {
        --state.count;
    }
}
