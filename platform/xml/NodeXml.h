// The "xml" of a node: its markup as the parser writes it back.
#pragma once

#include "platform/xml/DocumentTree.h"

#include <string>

namespace Xml {

// Line feeds become CRLF; a whitespace run dropped at load is written as CRLF
// and one tab per nesting level of the tag that follows it; empty elements
// are written <a/>; attribute values in double quotes; the declaration as
// <?xml version="1.0"?> (its encoding is not the text's any more). A
// document writes each top-level node followed by CRLF; any other node has
// no trailing line break.
std::string XmlOf(DocumentTree& tree, const xmlNode* node);

} // namespace Xml
