#include "tests/support/LoadedSymbol.h"

#include <dlfcn.h>

void (*LoadedSymbol(const char* path, const char* symbol))() {
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        return nullptr;
    }
    // The library stays loaded by whoever loaded it first.
    void* address = dlsym(handle, symbol);
    dlclose(handle);
    return reinterpret_cast<void (*)()>(address);
}
