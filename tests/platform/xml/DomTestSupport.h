// Loading documents and reading nodes in tests, through the COM interfaces
// exactly as a client would.
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
    HRESULT status;
    std::vector<IXMLDOMNodePtr> nodes;
};
// Sets both selection properties of `document`, then selects from `context`.
Selection Select(IXMLDOMDocument2* document, IXMLDOMNode* context, std::string_view language,
                 std::string_view query, std::string_view namespaces = "");
// The names (or, for text nodes, the texts) of the selected nodes, joined
// with commas; "E_FAIL" when the selection failed that way.
std::string Describe(const Selection& selection);

} // namespace DomTest
