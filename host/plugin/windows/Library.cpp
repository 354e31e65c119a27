// Inspector libraries are loaded with LoadLibraryW and unloaded with
// FreeLibrary.
#include "host/plugin/Library.h"

#include "host/Veritor.h"
#include "host/windows/WideText.h"

namespace veritor::host {

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

void* OpenLibrary(const std::string& path, std::string& loadedName) {
    // What it imports of the host binds to this process's veritor.dll, which
    // is loaded already.
    HMODULE module = LoadLibraryW(WideFromUtf8(path).c_str());
    if (module == nullptr) {
        // As the dynamic loader of other systems words it: the path, then why.
        throw LoadError(path + ": " + SystemMessage(GetLastError()));
    }
    loadedName = ModuleFileName(module);
    if (loadedName.empty()) {
        loadedName = path;
    }
    return module;
}

bool CloseLibrary(void* handle, const std::string&, const std::string& loadedName) {
    FreeLibrary(static_cast<HMODULE>(handle));
    return GetModuleHandleW(WideFromUtf8(loadedName).c_str()) != nullptr;
}

} // namespace veritor::host
