// Evaluating a selection over a document tree.
#pragma once

#include "platform/xml/DocumentTree.h"
#include "platform/xml/SelectionSettings.h"

#include <string_view>
#include <unknwn.h>
#include <vector>

namespace Xml {

// The nodes `expression` selects from `context`, in document order, with the
// document's settings. E_FAIL for an expression that does not parse, uses an
// undeclared prefix or does not yield a node-set, and for any expression while
// the settings hold rejected namespaces. Namespace nodes in a result
// (XPath's namespace axis, or `@*` in an XSL pattern) become the attribute
// nodes of the declarations that made them; the implicit xml namespace, which
// nothing declares, is left out; duplicates that this creates are dropped.
// An element's attributes and declarations come in the order written, as its
// attribute list shows them. XPath names that libxml2 cannot read are
// rewritten first (XPathNames.h), then its unions (XPathUnions.h).
HRESULT SelectNodes(DocumentTree& tree, xmlNodePtr context, std::string_view expression,
                    const SelectionSettings& settings, std::vector<xmlNodePtr>& nodes);

} // namespace Xml
