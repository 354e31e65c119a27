// Inspector libraries are loaded with LoadLibraryW. Their registrations are
// made by their static constructors while the loader attaches them and
// removed by their static destructors as FreeLibrary detaches them; whatever
// is still registered afterwards is a leftover, which the host reports and
// drops.
#include "host/Veritor.h"
#include "host/registry/Describe.h"
#include "host/registry/Registry.h"
#include "host/windows/WideText.h"

namespace veritor {

namespace {

std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length == 0 ? "error " + std::to_string(code) : std::string(text, length);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message;
}

} // namespace

Plugin::Plugin(const std::string& path)
    : path(path) {
    // What it imports of the host binds to this process's veritor.dll, which
    // is loaded already.
    HMODULE module = LoadLibraryW(host::WideFromUtf8(path).c_str());
    if (module == nullptr) {
        // As the dynamic loader of other systems words it: the path, then why.
        throw LoadError(path + ": " + SystemMessage(GetLastError()));
    }
    handle = module;
    loadedName = host::ModuleFileName(module);
    if (loadedName.empty()) {
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
    FreeLibrary(static_cast<HMODULE>(handle));
    handle = nullptr;
    if (GetModuleHandleW(host::WideFromUtf8(loadedName).c_str()) != nullptr) {
        // Still loaded (loaded again elsewhere): its registration objects
        // still exist, so its registrations stay valid.
        report.stillLoaded = true;
        return report;
    }
    for (const auto& leftover : host::Registry::Instance().RemoveOwnedBy(loadedName)) {
        report.leftovers.push_back(host::Describe(leftover));
    }
    return report;
}

} // namespace veritor
