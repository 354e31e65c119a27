// Inspector libraries are loaded with dlopen and unloaded with dlclose.
#include "host/plugin/Library.h"

#include "host/Veritor.h"

#include <dlfcn.h>
#include <link.h>

namespace veritor::host {

void* OpenLibrary(const std::string& path, std::string& loadedName) {
    // RTLD_LOCAL keeps one library's symbols from resolving another's; the
    // host's functions come from the global scope of the process.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error = dlerror();
        throw LoadError(error != nullptr ? error : "cannot load " + path);
    }
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name != nullptr) {
        loadedName = map->l_name;
    } else {
        loadedName = path;
    }
    return handle;
}

bool CloseLibrary(void* handle, const std::string& path, const std::string&) {
    dlclose(handle);
    if (void* again = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
        dlclose(again);
        return true;
    }
    return false;
}

} // namespace veritor::host
