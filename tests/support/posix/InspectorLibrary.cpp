#include "tests/support/InspectorLibrary.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

InspectorLibrary::InspectorLibrary()
    : handle(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
    if (handle == nullptr) {
        throw std::runtime_error(std::string("cannot load the inspector library: ") + dlerror());
    }
}

InspectorLibrary::~InspectorLibrary() {
    EXPECT_EQ(dlclose(handle), 0) << dlerror();
}

bool InspectorLibrary::IsMapped() {
    void* probe = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    return probe != nullptr && dlclose(probe) == 0;
}
