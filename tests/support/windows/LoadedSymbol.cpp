#include "tests/support/LoadedSymbol.h"

#include <string>
#include <windows.h>

void (*LoadedSymbol(const char* path, const char* symbol))() {
    std::wstring wide(path, path + std::char_traits<char>::length(path));
    for (wchar_t& c : wide) {
        c = c == L'/' ? L'\\' : c;
    }
    // GetModuleHandleW takes no reference: the library stays as it is.
    HMODULE module = GetModuleHandleW(wide.c_str());
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void (*)()>(GetProcAddress(module, symbol));
}
