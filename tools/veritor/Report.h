// How the tool shows results, errors and the vocabulary as text.
#pragma once

#include "host/Veritor.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace veritor::tool {

// One line per value, "type: " before each with `withTypes`.
void PrintResult(std::ostream& out, const Result& result, bool withTypes);

// "error: message", or "error: where: message" when `where` is given; then
// for errors with a place in the query, its line and a caret under the place.
void PrintError(std::ostream& err, std::string_view query, const QueryError& error,
                std::string_view where = {});

void PrintVocabularyTable(std::ostream& out, const std::vector<VocabularyEntry>& entries);

// Exit status for one query's outcome: 0 success, 1 no value or evaluation
// error, 2 syntax or type error.
int ExitStatusOf(ErrorKind kind);

} // namespace veritor::tool
