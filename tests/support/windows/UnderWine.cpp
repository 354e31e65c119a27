#include "tests/support/WineDifferences.h"

#include <windows.h>

// Wine's ntdll exports its version; Windows's does not.
bool UnderWine() {
    static const bool wine = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}
