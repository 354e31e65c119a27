#include "tests/support/InspectorLibrary.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

InspectorLibrary::InspectorLibrary()
    : handle(dlopen(Path(), RTLD_NOW | RTLD_LOCAL)) {
    if (handle == nullptr) {
        throw std::runtime_error(std::string("cannot load the inspector library: ") + dlerror());
    }
}

InspectorLibrary::~InspectorLibrary() {
    Unload();
}

void InspectorLibrary::Unload() {
    if (handle != nullptr) {
        EXPECT_EQ(dlclose(handle), 0) << dlerror();
        handle = nullptr;
    }
}

bool InspectorLibrary::IsMapped() {
    void* probe = dlopen(Path(), RTLD_NOW | RTLD_NOLOAD);
    if (probe == nullptr) {
        return false;
    }
    dlclose(probe);
    return true;
}

const char* InspectorLibrary::Path() {
    return VERITOR_INSPECTORS_PATH;
}
