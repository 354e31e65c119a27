// The "text" of a node: the text and CDATA of its subtree, depth first.
#pragma once

#include <libxml/tree.h>
#include <string>

namespace Xml {

// Comments and processing instructions below the node are skipped; a
// whitespace run dropped at load between two collected pieces reads as one
// space; the result is trimmed at both ends unless xml:space="preserve"
// applies, but never into CDATA content. A comment, processing instruction
// or attribute gives its own value.
std::string TextOf(const xmlNode* node);

} // namespace Xml
