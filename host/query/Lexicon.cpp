#include "host/query/Lexicon.h"

#include "host/registry/Registry.h"

#include <algorithm>
#include <mutex>

namespace veritor::host {

namespace {

bool IsPropertyKind(RegistrationKind kind) {
    return kind == RegistrationKind::Property || kind == RegistrationKind::IteratedProperty ||
           kind == RegistrationKind::AggregateProperty;
}

std::size_t WordsIn(const std::string& name) {
    return static_cast<std::size_t>(std::ranges::count(name, ' ')) + 1;
}

NameTable NamesOf(const std::vector<Registration>& registrations) {
    NameTable names;
    for (const Registration& r : registrations) {
        if (IsPropertyKind(r.kind)) {
            names.properties.insert(r.name);
            if (!r.pluralName.empty()) {
                names.properties.insert(r.pluralName);
            }
            if (!r.indexType.empty()) {
                names.indexed.insert(r.name);
                if (!r.pluralName.empty()) {
                    names.indexed.insert(r.pluralName);
                }
            }
        } else if (r.kind == RegistrationKind::Cast) {
            names.casts.insert(r.name);
        }
    }
    for (const auto* set : {&names.properties, &names.casts}) {
        for (const std::string& name : *set) {
            names.longestName = std::max(names.longestName, WordsIn(name));
        }
    }
    return names;
}

} // namespace

Lexicon::Lexicon(std::shared_ptr<const std::vector<Registration>> registrations)
    : registrations(std::move(registrations))
    , names(NamesOf(*this->registrations))
    , types(*this->registrations) {
    for (const Registration& r : *this->registrations) {
        switch (r.kind) {
        case RegistrationKind::Type:
            break;
        case RegistrationKind::Operator:
            byName[OperatorKey(r.operatorCode)].push_back(&r);
            break;
        case RegistrationKind::Cast:
            byName[CastKey(r.name)].push_back(&r);
            break;
        default:
            byName[r.name].push_back(&r);
            if (!r.pluralName.empty() && r.pluralName != r.name) {
                byName[r.pluralName].push_back(&r);
            }
        }
    }
}

std::string Lexicon::OperatorKey(int code) {
    return "#operator " + std::to_string(code);
}

std::string Lexicon::CastKey(const std::string& name) {
    return "#cast " + name;
}

std::shared_ptr<const Lexicon> CurrentLexicon() {
    auto registrations = Registry::Instance().Snapshot();
    static std::mutex mutex;
    static std::shared_ptr<const Lexicon> last;
    std::lock_guard lock(mutex);
    if (!last || last->registrations != registrations) {
        last = std::make_shared<const Lexicon>(std::move(registrations));
    }
    return last;
}

} // namespace veritor::host
