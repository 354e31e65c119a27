// The vocabulary of one registry snapshot in the forms the compiler looks
// things up in. It is built once per change of the vocabulary and shared by
// every query compiled meanwhile; being immutable, it serves threads that
// compile side by side without locks.
#pragma once

#include "host/query/Parser.h"
#include "host/query/Types.h"
#include "host/registry/Registration.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace veritor::host {

struct Lexicon {
    explicit Lexicon(std::shared_ptr<const std::vector<Registration>> registrations);

    // Operators and casts are filed under keys of their own, which no name
    // can be.
    static std::string OperatorKey(int code);
    static std::string CastKey(const std::string& name);

    std::shared_ptr<const std::vector<Registration>> registrations; // in registration order
    NameTable names;
    TypeTable types;
    // Registrations by key (both names of a property), in registration order.
    std::map<std::string, std::vector<const Registration*>, std::less<>> byName;
};

// The lexicon of the registry's vocabulary as it is now.
std::shared_ptr<const Lexicon> CurrentLexicon();

} // namespace veritor::host
