#include "host/registry/Registry.h"

#include <algorithm>

namespace veritor::host {

namespace {

void SortBySequence(std::vector<Registration>& registrations) {
    std::sort(registrations.begin(), registrations.end(),
              [](const Registration& a, const Registration& b) { return a.sequence < b.sequence; });
}

} // namespace

Registry& Registry::Instance() {
    static Registry registry;
    return registry;
}

bool Registry::Add(Registration registration) {
    std::lock_guard lock(mutex);
    if (byObject.contains(registration.object)) {
        return false;
    }
    registration.sequence = nextSequence++;
    const void* key = registration.object;
    byObject.emplace(key, std::move(registration));
    snapshot.reset();
    return true;
}

bool Registry::Remove(const void* object, bool (*kindMatches)(RegistrationKind)) {
    std::lock_guard lock(mutex);
    auto found = byObject.find(object);
    if (found == byObject.end() || !kindMatches(found->second.kind)) {
        return false;
    }
    byObject.erase(found);
    snapshot.reset();
    return true;
}

std::shared_ptr<const std::vector<Registration>> Registry::Snapshot() const {
    std::lock_guard lock(mutex);
    if (!snapshot) {
        auto all = std::make_shared<std::vector<Registration>>();
        all->reserve(byObject.size());
        for (const auto& [object, registration] : byObject) {
            all->push_back(registration);
        }
        SortBySequence(*all);
        snapshot = std::move(all);
    }
    return snapshot;
}

std::vector<Registration> Registry::RemoveOwnedBy(const std::string& library) {
    std::vector<Registration> removed;
    {
        std::lock_guard lock(mutex);
        for (auto it = byObject.begin(); it != byObject.end();) {
            if (it->second.library == library) {
                removed.push_back(std::move(it->second));
                it = byObject.erase(it);
                snapshot.reset();
            } else {
                ++it;
            }
        }
    }
    SortBySequence(removed);
    return removed;
}

const std::string& HostLibrary() {
    static const std::string file = LibraryHolding(reinterpret_cast<const void*>(&HostLibrary));
    return file;
}

} // namespace veritor::host
