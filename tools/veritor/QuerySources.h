// Where the tool's queries come from: the command line, query files and
// standard input, one query per non-empty line.
#pragma once

#include "tools/veritor/Options.h"

#include <functional>
#include <istream>
#include <string>

namespace veritor::tool {

// What error messages call a query's place: "file:line", or the query
// itself among several on the command line.
struct Place {
    std::string name;
    bool evenWhenShown = false; // named also when the error shows the query
};

// Handles one query of the run and the place it came from.
using QuerySink = std::function<void(const std::string& query, const Place& place)>;

// The queries of the command line and of the query files, in command-line
// order; with `implicitInput`, standard input's when none is given. Throws
// UsageError, at its turn, for a query file that cannot be read.
void ReadQueries(const Options& options, std::istream& in, bool implicitInput,
                 const QuerySink& sink);

} // namespace veritor::tool
