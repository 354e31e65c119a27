// A node's attributes: by position, by name, or all of them in the parser's
// order. A node without an attribute map (anything but an element) fails
// with E_POINTER when the map is used.
#include "frame/HostTypeNames.h"
#include "frame/IteratedPropertyRegistration.h"
#include "frame/PropertyRegistration.h"
#include "inspectors/xml/BstrConversions.h"
#include "inspectors/xml/ComFailure.h"
#include "inspectors/xml/ItemIteration.h"
#include "inspectors/xml/PositionPropertyRegistration.h"
#include "inspectors/xml/XmlDomValues.h"

#include <utility>

namespace {

IXMLDOMNamedNodeMapPtr AttributesOf(const XmlDomNode& value) {
    IXMLDOMNamedNodeMapPtr attributes;
    CheckResult(value.node->get_attributes(&attributes));
    return attributes;
}

XmlDomNode AttributeAt(const XmlDomNode& value, int32 position) {
    return ItemAt(AttributesOf(value), position, value);
}

// Matched by the parser, exactly and with case; the name ends at a NUL byte.
XmlDomNode NamedAttribute(const string_value& name, const XmlDomNode& value) {
    const ATL::CComBSTR wanted = BstrFromText(name);
    IXMLDOMNodePtr attribute;
    CheckResult(AttributesOf(value)->getNamedItem(wanted, &attribute));
    return MakeNode(value.owner, std::move(attribute));
}

PositionPropertyRegistration attributeAt("attribute", "attributes", AttributeAt);
PropertyRegistration<XmlDomNode, string_value, XmlDomNode>
    namedAttribute("attribute", "attributes", StringTypeName(), XmlDomNodeTypeName(),
                   XmlDomNodeTypeName(), NamedAttribute, nullptr);
IteratedPropertyRegistration<AttributeIteration, XmlDomNode, NoOperand, XmlDomNode>
    attributes("attribute", "attributes", "", XmlDomNodeTypeName(), XmlDomNodeTypeName(), nullptr);

} // namespace
