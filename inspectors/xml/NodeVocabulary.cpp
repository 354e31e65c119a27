// What a node tells about itself and the properties that walk the tree: the
// two casts to text, name, type and value, the owner document, one step to
// the parent, a child or a sibling, a child by position, and every child in
// turn. Each node reached keeps the direct object's `owner`.
#include "frame/CastRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/IteratedPropertyRegistration.h"
#include "frame/PropertyRegistration.h"
#include "inspectors/xml/BstrConversions.h"
#include "inspectors/xml/ComFailure.h"
#include "inspectors/xml/ItemIteration.h"
#include "inspectors/xml/PositionPropertyRegistration.h"
#include "inspectors/xml/XmlDomValues.h"

#include <atlcomcli.h>
#include <utility>

namespace {

// The node's own interface; a null reference fails with E_POINTER.
IXMLDOMNode& Parser(const XmlDomNode& value) {
    return *value.node;
}

// "xml", "text" and "node name": one automation string read from the node.
template <auto Read>
string_value TextOf(const XmlDomNode& value) {
    ATL::CComBSTR text;
    CheckResult((Parser(value).*Read)(&text));
    return TextFromBstr(text);
}

integer NodeType(const XmlDomNode& value) {
    DOMNodeType type = NODE_INVALID;
    CheckResult(Parser(value).get_nodeType(&type));
    return integer(static_cast<int64>(type));
}

// The parser answers with a variant: an automation string as it is, anything
// else as the platform converts it to one (an element's null value does not
// convert, and fails with the conversion's result code).
string_value NodeValue(const XmlDomNode& value) {
    ATL::CComVariant variant;
    CheckResult(Parser(value).get_nodeValue(&variant));
    ATL::CComVariant text;
    if (variant.vt == VT_BSTR) {
        text = variant; // a failed copy throws ATL::CAtlException
    } else if (const HRESULT converted = text.ChangeType(VT_BSTR, &variant); converted != S_OK) {
        RaiseComFailure(converted);
    }
    if (text.vt != VT_BSTR) {
        RaiseComFailure(DISP_E_TYPEMISMATCH);
    }
    return TextFromBstr(text.bstrVal);
}

// The document itself has no owner document: NoSuchObject.
XmlDomDocument OwnerDocument(const XmlDomNode& value) {
    IXMLDOMDocumentPtr document;
    CheckResult(Parser(value).get_ownerDocument(&document));
    return MakeDocument(IXMLDOMDocument2Ptr(document));
}

// One step from the node; no node there is NoSuchObject.
template <auto Step>
XmlDomNode Neighbour(const XmlDomNode& value) {
    IXMLDOMNodePtr found;
    CheckResult((Parser(value).*Step)(&found));
    return MakeNode(value.owner, std::move(found));
}

IXMLDOMNodeListPtr ChildrenOf(const XmlDomNode& value) {
    IXMLDOMNodeListPtr children;
    CheckResult(Parser(value).get_childNodes(&children));
    return children;
}

XmlDomNode ChildAt(const XmlDomNode& value, int32 position) {
    return ItemAt(ChildrenOf(value), position, value);
}

class ChildNodesIteration : public NodeListIteration {
public:
    XmlDomNode First(const XmlDomNode& value) { return Start(ChildrenOf(value), value); }
};

template <typename Result>
const char* ResultTypeName();
template <>
const char* ResultTypeName<string_value>() {
    return StringTypeName();
}
template <>
const char* ResultTypeName<integer>() {
    return IntegerTypeName();
}
template <>
const char* ResultTypeName<XmlDomNode>() {
    return XmlDomNodeTypeName();
}
template <>
const char* ResultTypeName<XmlDomDocument>() {
    return XmlDomDocumentTypeName();
}

// A property of a node without an index, registered without a hook.
template <typename Result>
class NodeProperty : public PropertyRegistration<Result, NoOperand, XmlDomNode> {
public:
    NodeProperty(const char* name, const char* pluralName,
                 typename NodeProperty::ValueFunction valueFunction)
        : PropertyRegistration<Result, NoOperand, XmlDomNode>(
              name, pluralName, "", XmlDomNodeTypeName(), ResultTypeName<Result>(), valueFunction,
              nullptr) {}
};

class NodeCast : public CastRegistration<string_value, XmlDomNode> {
public:
    NodeCast(const char* castName, ValueFunction valueFunction)
        : CastRegistration(castName, XmlDomNodeTypeName(), StringTypeName(), valueFunction,
                           nullptr) {}
};

NodeCast xml("xml", TextOf<&IXMLDOMNode::get_xml>);
NodeCast text("text", TextOf<&IXMLDOMNode::get_text>);
NodeProperty<string_value> nodeName("node name", "node names", TextOf<&IXMLDOMNode::get_nodeName>);
NodeProperty<integer> nodeType("node type", "node types", NodeType);
NodeProperty<string_value> nodeValue("node value", "node values", NodeValue);
NodeProperty<XmlDomDocument> ownerDocument("owner document", "owner documents", OwnerDocument);
NodeProperty<XmlDomNode> parentNode("parent node", "parent nodes",
                                    Neighbour<&IXMLDOMNode::get_parentNode>);
NodeProperty<XmlDomNode> firstChild("first child", "first children",
                                    Neighbour<&IXMLDOMNode::get_firstChild>);
NodeProperty<XmlDomNode> lastChild("last child", "last children",
                                   Neighbour<&IXMLDOMNode::get_lastChild>);
NodeProperty<XmlDomNode> previousSibling("previous sibling", "previous siblings",
                                         Neighbour<&IXMLDOMNode::get_previousSibling>);
NodeProperty<XmlDomNode> nextSibling("next sibling", "next siblings",
                                     Neighbour<&IXMLDOMNode::get_nextSibling>);
PositionPropertyRegistration childAt("child node", "child nodes", ChildAt);
IteratedPropertyRegistration<ChildNodesIteration, XmlDomNode, NoOperand, XmlDomNode>
    childNodes("child node", "child nodes", "", XmlDomNodeTypeName(), XmlDomNodeTypeName(),
               nullptr);

} // namespace
