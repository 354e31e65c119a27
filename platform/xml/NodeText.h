// The "text" of a node: the text and CDATA of its subtree, depth first.
#pragma once

#include "platform/xml/DocumentTree.h"

#include <libxml/tree.h>
#include <string>

namespace Xml {

// Comments and processing instructions below the node are skipped; a
// whitespace run dropped at load between two collected pieces reads as one
// space; the result is trimmed at both ends unless `preserveWhiteSpace` (the
// document's setting as it stands now) is set or xml:space="preserve"
// applies, but never into a CDATA section, even an empty one. A comment,
// processing instruction or attribute gives its own value; the XML
// declaration gives its pseudo-attributes as written in markup.
std::string TextOf(const DocumentTree& tree, const xmlNode* node, bool preserveWhiteSpace);

} // namespace Xml
