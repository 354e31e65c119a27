#include "tests/support/LoadedSymbol.h"

#include "host/windows/WideText.h"

#include <algorithm>
#include <string>
#include <windows.h>

void (*LoadedSymbol(const char* path, const char* symbol))() {
    std::wstring wide = veritor::host::WideFromUtf8(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    // GetModuleHandleW takes no reference: the library stays as it is.
    HMODULE module = GetModuleHandleW(wide.c_str());
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void (*)()>(GetProcAddress(module, symbol));
}
