// Nodes selected by an expression the parser evaluates relative to the
// direct object: "select" by XSL pattern, "xpath" by XPath, the latter also
// with namespace declarations for the prefixes it uses. The language and the
// namespaces are settings of the document; every selection sets both before
// it selects, so none depends on an earlier one.
#include "frame/HostTypeNames.h"
#include "frame/TupleElement.h"
#include "frame/TupleTypeNames.h"
#include "inspectors/xml/BstrConversions.h"
#include "inspectors/xml/ComFailure.h"
#include "inspectors/xml/ItemIteration.h"
#include "inspectors/xml/SelectionRegistration.h"
#include "inspectors/xml/XmlDomValues.h"

#include <atlcomcli.h>
#include <utility>

namespace {

void SetSelectionProperty(const XmlDomNode& value, const OLECHAR* name, ATL::CComBSTR setting) {
    ATL::CComVariant variant;
    variant.vt = VT_BSTR;
    variant.bstrVal = setting.Detach();
    CheckResult(value.owner->setProperty(ATL::CComBSTR(name), variant));
}

XmlDomNode Select(NodeListIteration& state, const OLECHAR* language, ATL::CComBSTR namespaces,
                  const string_value& expression, const XmlDomNode& value) {
    SetSelectionProperty(value, OLESTR("SelectionLanguage"), ATL::CComBSTR(language));
    SetSelectionProperty(value, OLESTR("SelectionNamespaces"), std::move(namespaces));
    IXMLDOMNodeListPtr selected;
    CheckResult(value.node->selectNodes(BstrFromText(expression), &selected));
    return state.Start(std::move(selected), value);
}

XmlDomNode SelectByPattern(NodeListIteration& state, const string_value& pattern,
                           const XmlDomNode& value) {
    return Select(state, OLESTR("XSLPattern"), ATL::CComBSTR(OLESTR("")), pattern, value);
}

XmlDomNode SelectByXPath(NodeListIteration& state, const string_value& expression,
                         const XmlDomNode& value) {
    return Select(state, OLESTR("XPath"), ATL::CComBSTR(OLESTR("")), expression, value);
}

// Item 0 declares the namespaces (as the parser reads "SelectionNamespaces"),
// item 1 is the expression.
XmlDomNode SelectByXPathWithNamespaces(NodeListIteration& state, const TupleNode& index,
                                       const XmlDomNode& value) {
    return Select(state, OLESTR("XPath"), BstrFromText(TupleComponent<string_value>(0, index)),
                  TupleComponent<string_value>(1, index), value);
}

SelectionRegistration<string_value> select("select", "selects", StringTypeName(), SelectByPattern,
                                           &NodeListIteration::Next);
SelectionRegistration<string_value> xpath("xpath", "xpaths", StringTypeName(), SelectByXPath,
                                          &NodeListIteration::Next);
SelectionRegistration<TupleNode> xpathWithNamespaces("xpath", "xpaths", StringStringTupleTypeName(),
                                                     SelectByXPathWithNamespaces,
                                                     &NodeListIteration::Next);

} // namespace
