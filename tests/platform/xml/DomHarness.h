// Documents, nodes and selections in tests, through the COM interfaces
// exactly as a client uses them. Every test runs in an initialised apartment.
#pragma once

#include <atlbase.h>
#include <comdef.h>
#include <gtest/gtest.h>
#include <msxml2.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace DomTest {

// `piece` `times` times over.
std::string Repeated(std::string_view piece, int times);

ATL::CComBSTR Bstr(std::string_view utf8);

IXMLDOMDocument2Ptr NewDocument();
// A document loaded from `text`; fails the test if it does not load.
IXMLDOMDocument2Ptr Load(std::string_view text);
// Whether `text` loads; the document is left as loadXML leaves it.
bool Loads(IXMLDOMDocument2* document, BSTR text);

// A text property read with `get`, which must succeed.
std::string Read(IXMLDOMNode* node, HRESULT (IXMLDOMNode::*get)(BSTR*));
inline std::string NameOf(IXMLDOMNode* node) {
    return Read(node, &IXMLDOMNode::get_nodeName);
}
inline std::string TextOf(IXMLDOMNode* node) {
    return Read(node, &IXMLDOMNode::get_text);
}
inline std::string XmlOf(IXMLDOMNode* node) {
    return Read(node, &IXMLDOMNode::get_xml);
}
DOMNodeType TypeOf(IXMLDOMNode* node);
// The value, or "<null>" for a VT_NULL value.
std::string ValueOf(IXMLDOMNode* node);

HRESULT SetProperty(IXMLDOMDocument2* document, std::string_view name, std::string_view value);
// A property that must be a string.
std::string PropertyOf(IXMLDOMDocument2* document, std::string_view name);

// Sets both selection properties of `document`, then selects from `context`
// (the document itself when null); the nodes, or none when it fails.
std::vector<IXMLDOMNodePtr> Select(IXMLDOMDocument2* document, std::string_view language,
                                   std::string_view query, IXMLDOMNode* context = nullptr,
                                   std::string_view namespaces = "", HRESULT* status = nullptr);
// The selected nodes as labels joined by commas, or "E_FAIL" when the
// selection fails so; libxml2 must print nothing meanwhile. A label is an
// element's name and its ordinal among the elements of that name in document
// order ("book1"), "@" and an attribute's name, a text or CDATA section's text
// in quotes, "?" and a processing instruction's target, "/" for the document,
// the name of any other node.
std::string Selected(IXMLDOMDocument2* document, std::string_view language, std::string_view query,
                     IXMLDOMNode* context = nullptr, std::string_view namespaces = "");

// XSL patterns and what each selects, as Selected describes it.
using Cases = std::vector<std::pair<std::string_view, std::string_view>>;
void ExpectSelections(IXMLDOMDocument2* document, const Cases& cases,
                      IXMLDOMNode* context = nullptr, std::string_view namespaces = "");

} // namespace DomTest
