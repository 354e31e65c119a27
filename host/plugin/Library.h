// The operating system's half of loading an inspector library; Plugin is the
// rest, the same everywhere.
#pragma once

#include <string>

namespace veritor::host {

// Loads the library at `path` and returns its handle, with the name the
// loader knows it by (the name its registrations are recorded under).
// Throws LoadError.
void* OpenLibrary(const std::string& path, std::string& loadedName);

// Gives up the handle; true if the library is still loaded all the same
// (loaded again elsewhere, or pinned by the loader).
bool CloseLibrary(void* handle, const std::string& path, const std::string& loadedName);

} // namespace veritor::host
