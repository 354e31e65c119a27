// The loaded file that holds an address, as the dynamic loader names it.
#include "host/registry/Registry.h"

#include <dlfcn.h>

namespace veritor::host {

std::string LibraryHolding(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return info.dli_fname;
}

} // namespace veritor::host
