// Recursive-descent parser of the query language. Names are matched greedily
// against the vocabulary, so the parser is given the names it may meet.
#pragma once

#include "host/query/Syntax.h"

#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace veritor::host {

struct NameTable {
    std::set<std::string> properties; // property and aggregate names, singular and plural
    std::set<std::string> indexed;    // those of them that some registration indexes
    std::set<std::string> casts;
    std::size_t longestName = 1; // words in the longest of them
};

// Deeper trees are rejected, so that neither the parser nor what walks the
// tree later can run out of stack.
inline constexpr int maximumDepth = 256;

// Throws QueryError (syntax).
std::unique_ptr<Syntax> Parse(std::string_view query, const NameTable& names);

} // namespace veritor::host
