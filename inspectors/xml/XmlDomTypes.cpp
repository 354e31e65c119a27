// The two XML value types. The document is registered first, naming as its
// base type the node type registered right after it.
#include "frame/TypeRegistration.h"
#include "inspectors/xml/XmlDomValues.h"

namespace {

ValueTypeRegistration<XmlDomDocument> documentType(XmlDomDocumentTypeName(), XmlDomNodeTypeName());
ValueTypeRegistration<XmlDomNode> nodeType(XmlDomNodeTypeName());

} // namespace
