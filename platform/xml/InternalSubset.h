// The document type declaration as the DOM writes it: taken from the source
// text, so that the declarations, comments, processing instructions and
// parameter-entity references of the internal subset keep the order and form
// they were written in (libxml2 writes notations first, in hash order, and
// parameter entities expanded). Each item of the subset stands on a line of
// its own: `<!DOCTYPE r [`, the items, `]>`.
#pragma once

#include <string>
#include <string_view>

namespace Xml {

// The declaration in `source`, a document libxml2 has accepted, with line
// ends as line feeds; "" if it has none.
std::string DocumentTypeText(std::string_view source);

} // namespace Xml
