// The plug-in imports the host functions from a module named veritor.dll.
// Before it loads, the recording host's stand-in of that name is loaded and
// handed this program's host functions; the loader then binds the plug-in to
// the module already loaded under the name.
#include "tests/support/InspectorLibrary.h"

#include "host/windows/WideText.h"
#include "tests/support/windows/HostCalls.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <windows.h>

namespace {

// A path as the system spells it: UTF-16, with backslashes between folders.
std::wstring SystemPath(const char* path) {
    std::wstring wide = veritor::host::WideFromUtf8(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

std::string LastErrorText() {
    return "error " + std::to_string(GetLastError());
}

// Loaded once and kept: every load of the plug-in binds to it.
void LoadRecordingHost() {
    static const bool loaded = [] {
        HMODULE forwarder = LoadLibraryW(SystemPath(VERITOR_HOST_FORWARDER_PATH).c_str());
        if (forwarder == nullptr) {
            throw std::runtime_error("cannot load the recording host's veritor.dll: " +
                                     LastErrorText());
        }
        static const HostCalls calls{
            &Register_Type,
            &Register_Property,
            &Register_Iterated_Property,
            &Register_Aggregate_Property,
            &Register_Binary_Operator,
            &Register_Cast,
            &Unregister_Type,
            &Unregister_Property,
            &Unregister_Binary_Operator,
            &Unregister_Cast,
            &Allocate_Inspector_Memory,
            [](integer a, integer b) { return a + b; },
            [](floating_point a, floating_point b) { return a + b; },
            [](floating_point a, floating_point b) { return a * b; },
            [](floating_point a, integer b) { return a / b; },
            [](integer a) { return asFloatingPoint(a); },
        };
        auto forward = reinterpret_cast<ForwardHostCalls>(
            reinterpret_cast<void (*)()>(GetProcAddress(forwarder, forwardHostCallsName)));
        if (forward == nullptr) {
            throw std::runtime_error("the recording host's veritor.dll does not forward");
        }
        forward(&calls);
        return true;
    }();
    (void)loaded;
}

HMODULE Load() {
    LoadRecordingHost();
    HMODULE module = LoadLibraryW(SystemPath(InspectorLibrary::path).c_str());
    if (module == nullptr) {
        throw std::runtime_error("cannot load the inspector library: " + LastErrorText());
    }
    return module;
}

} // namespace

InspectorLibrary::InspectorLibrary()
    : handle(Load()) {}

InspectorLibrary::~InspectorLibrary() {
    EXPECT_TRUE(FreeLibrary(static_cast<HMODULE>(handle))) << LastErrorText();
}

bool InspectorLibrary::IsMapped() {
    return GetModuleHandleW(SystemPath(path).c_str()) != nullptr;
}
