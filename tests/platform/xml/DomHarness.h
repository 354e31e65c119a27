// Documents, nodes and selections in tests, through the COM interfaces
// exactly as a client uses them.
#pragma once

#include <comdef.h>
#include <gtest/gtest.h>
#include <msxml2.h>
#include <objbase.h>
#include <string>
#include <string_view>
#include <vector>

namespace DomTest {

// Initialises COM on the test's thread for its duration.
class ComScope {
public:
    ComScope() { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

// An automation string made from UTF-8, freed at the end of the full
// expression that uses it.
class Bstr {
public:
    explicit Bstr(std::string_view utf8);
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return text_; }

private:
    BSTR text_;
};

// Takes ownership of `text`.
std::string Utf8(BSTR text);

IXMLDOMDocument2Ptr NewDocument();
// A document loaded from `text`; fails the test if it does not load.
IXMLDOMDocument2Ptr Load(std::string_view text);
// Whether `text` loads; the document is left as loadXML leaves it.
bool Loads(IXMLDOMDocument2* document, std::string_view text);

std::string NameOf(IXMLDOMNode* node);
std::string TextOf(IXMLDOMNode* node);
std::string XmlOf(IXMLDOMNode* node);
DOMNodeType TypeOf(IXMLDOMNode* node);
// The value, or "<null>" for a VT_NULL value.
std::string ValueOf(IXMLDOMNode* node);

std::vector<IXMLDOMNodePtr> Items(IXMLDOMNodeList* list);

struct Selection {
    IXMLDOMDocument2Ptr document;
    HRESULT status;
    std::vector<IXMLDOMNodePtr> nodes;
};
// Sets both selection properties of `document`, then selects from `context`
// (the document itself when null).
Selection Select(IXMLDOMDocument2* document, std::string_view language, std::string_view query,
                 IXMLDOMNode* context = nullptr, std::string_view namespaces = "");

// The selected nodes as labels: an element's name and its ordinal among the
// elements of that name in document order ("book1"), "@" and an attribute's
// name, a text or CDATA section's text in quotes, "#comment", "?" and a
// processing instruction's target, "/" for the document.
std::vector<std::string> Labels(const Selection& selection);
// The labels joined with commas, or "E_FAIL" when the selection failed so.
std::string Describe(const Selection& selection);

// XSL patterns, each selecting exactly the labelled nodes, in that order.
struct Case {
    std::string pattern;
    std::vector<std::string> selected;
};
void ExpectSelections(IXMLDOMDocument2* document, const std::vector<Case>& cases,
                      IXMLDOMNode* context = nullptr, std::string_view namespaces = "");

} // namespace DomTest
