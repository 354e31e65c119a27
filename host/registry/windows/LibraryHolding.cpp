// The loaded module that holds an address, by its full file name.
#include "host/registry/Registry.h"
#include "host/windows/WideText.h"

namespace veritor::host {

std::string LibraryHolding(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module)) {
        return {};
    }
    return ModuleFileName(module);
}

} // namespace veritor::host
