// An inspector library's registrations are made by its static constructors
// while the system's loader loads it and removed by its static destructors
// as it unloads; whatever is still registered afterwards is a leftover,
// which the host reports and drops.
#include "host/Veritor.h"
#include "host/plugin/Library.h"
#include "host/registry/Describe.h"
#include "host/registry/Registry.h"

namespace veritor {

Plugin::Plugin(const std::string& path)
    : path(path) {
    handle = host::OpenLibrary(path, loadedName);
    // A library that registers nothing is no inspector library: most likely
    // the wrong file was named.
    for (const auto& registration : *host::Registry::Instance().Snapshot()) {
        if (registration.library == loadedName) {
            return;
        }
    }
    Unload();
    throw LoadError(path + ": registers no vocabulary: not an inspector library");
}

Plugin::~Plugin() {
    Unload();
}

UnloadReport Plugin::Unload() {
    UnloadReport report;
    if (handle == nullptr) {
        return report;
    }
    void* closing = handle;
    handle = nullptr;
    if (host::CloseLibrary(closing, path, loadedName)) {
        // Its registration objects still exist, so its registrations stay
        // valid.
        report.stillLoaded = true;
        return report;
    }
    for (const auto& leftover : host::Registry::Instance().RemoveOwnedBy(loadedName)) {
        report.leftovers.push_back(host::Describe(leftover));
    }
    return report;
}

} // namespace veritor
