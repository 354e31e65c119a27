// JSON text for the tool's --json output.
#pragma once

#include "host/Veritor.h"

#include <string>
#include <string_view>

namespace veritor::tool {

// A JSON string literal. Bytes that are not valid UTF-8 become U+FFFD and
// set `lossy`.
std::string JsonString(std::string_view bytes, bool& lossy);

// {"query", "type", "plural", "values"[, "flags"][, "lossy"]}
std::string JsonResult(std::string_view query, const Result& result);

// {"query", "error": {"kind", "message"[, "position"]}[, "lossy"]}
std::string JsonError(std::string_view query, const QueryError& error);

std::string JsonRegistration(const VocabularyEntry& entry);

} // namespace veritor::tool
