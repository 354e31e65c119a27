// The vocabulary as a Markdown document: docs/vocabulary.md is this output.
#pragma once

#include "host/Veritor.h"

#include <ostream>
#include <vector>

namespace veritor::tool {

// One table per kind of registration, in the order they were made.
void PrintVocabularyMarkdown(std::ostream& out, const std::vector<VocabularyEntry>& entries);

} // namespace veritor::tool
