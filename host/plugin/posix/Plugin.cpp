// Inspector libraries are loaded with dlopen. Their registrations are made by
// their static constructors during the load and removed by their static
// destructors during dlclose; whatever is still registered afterwards is a
// leftover, which the host reports and drops.
#include "host/Veritor.h"
#include "host/registry/Describe.h"
#include "host/registry/Registry.h"

#include <dlfcn.h>
#include <link.h>

namespace veritor {

Plugin::Plugin(const std::string& path)
    : path(path) {
    // RTLD_LOCAL keeps one library's symbols from resolving another's; the
    // host's functions come from the global scope of the process.
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
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
}

Plugin::~Plugin() {
    Unload();
}

UnloadReport Plugin::Unload() {
    UnloadReport report;
    if (handle == nullptr) {
        return report;
    }
    dlclose(handle);
    handle = nullptr;
    if (void* again = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
        // Still mapped (loaded again elsewhere, or pinned by the loader): its
        // registration objects still exist, so its registrations stay valid.
        report.stillLoaded = true;
        dlclose(again);
        return report;
    }
    for (const auto& leftover : host::Registry::Instance().RemoveOwnedBy(loadedName)) {
        report.leftovers.push_back(host::Describe(leftover));
    }
    return report;
}

} // namespace veritor
