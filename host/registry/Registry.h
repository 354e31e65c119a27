// The process-wide vocabulary: every registration made through the
// Register_* functions, by the host's built-ins and by inspector libraries
// alike, keyed by the address of its registration object.
#pragma once

#include "host/registry/Registration.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace veritor::host {

class Registry {
public:
    static Registry& Instance();

    // False when the object is already registered: a registration object
    // stands for exactly one contribution.
    bool Add(Registration registration);

    // Removes the registration of `object` if it is one of the given kind
    // family (types, properties of any kind, operators, casts).
    bool Remove(const void* object, bool (*kindMatches)(RegistrationKind));

    // Every registration, in the order made. The same object is handed out
    // until the vocabulary next changes, so that compiling a query costs no
    // copy of the whole vocabulary.
    std::shared_ptr<const std::vector<Registration>> Snapshot() const;

    // Removes and returns what the library in file `library` still has
    // registered.
    std::vector<Registration> RemoveOwnedBy(const std::string& library);

private:
    Registry() = default;

    mutable std::mutex mutex;
    std::map<const void*, Registration> byObject;
    std::uint64_t nextSequence = 0;
    mutable std::shared_ptr<const std::vector<Registration>> snapshot; // null: out of date
};

// The file that holds the object at `address`, as the loader names it; empty
// when no loaded file holds it.
std::string LibraryHolding(const void* address);

// The file of the host library itself.
const std::string& HostLibrary();

} // namespace veritor::host
