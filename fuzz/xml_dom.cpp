// libFuzzer target: the XML parser stand-in, through its COM interfaces as a
// client uses them. Arbitrary text is loaded; every node's name, type, value,
// "text" and "xml" are read, with its parent, owner, first child and next
// sibling, its attributes (by index and by name) and its children as a list
// (by nextNode and by index); then a selection by an XSL pattern and one by
// an XPath expression are read back the same way. Every call on a live object
// must succeed as documented, a loaded document's "xml" must load again to
// the same "xml", and nothing may crash or leak.
//
// Input layout: byte 0 holds options (bit 0: the document is UTF-16LE code
// units, so unpaired surrogates reach the parser, instead of UTF-8; bit 1:
// preserve white space; bit 2: select from the document element instead of
// the document). Then, each ended by a NUL byte, the XSL pattern, the XPath
// expression and the "SelectionNamespaces" value; the document is the
// remaining bytes. Missing parts are empty.
#include "Check.h"

#include <algorithm>
#include <atlbase.h>
#include <comdef.h>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

using ATL::CComBSTR;

// Reading every node of a large document twice over would make the fuzzer
// slow without reaching anything new: list items still to read for the
// current document or selection.
constexpr int nodeBudget = 2000;
int budget = 0;

// UTF-8 bytes, or UTF-16LE units (in the host's order) when `wide`, as a BSTR.
CComBSTR Text(std::string_view bytes, bool wide = false) {
    std::u16string text(bytes.size(), u'\0'); // never more units than bytes
    const int size = static_cast<int>(bytes.size());
    if (wide) {
        std::memcpy(text.data(), bytes.data(), size / 2 * 2);
        return CComBSTR(size / 2, text.data());
    }
    return CComBSTR(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), size),
                    text.data());
}

std::u16string XmlOf(IXMLDOMNode* node) {
    CComBSTR xml;
    CHECK(node->get_xml(&xml) == S_OK);
    return std::u16string(xml.m_str, xml.Length());
}

void Node(IXMLDOMNode* node);

// Every item by nextNode and by index, and every node below each.
void List(IXMLDOMNodeList* list) {
    LONG length = 0, count = 0;
    CHECK(list->get_length(&length) == S_OK);
    for (IXMLDOMNodePtr item; list->nextNode(&item) == S_OK && budget-- > 0; ++count) {
        IXMLDOMNodePtr same;
        CHECK(list->get_item(count, &same) == S_OK);
        Node(item);
    }
    IXMLDOMNodePtr beyond;
    CHECK(budget < 0 || count == length); // nextNode reaches every item
    CHECK(list->get_item(length, &beyond) == S_FALSE && !beyond);
}

void Node(IXMLDOMNode* node) {
    DOMNodeType type = NODE_INVALID;
    CComBSTR name, text;
    ATL::CComVariant value;
    IXMLDOMNodePtr parent, first, next;
    IXMLDOMDocumentPtr owner;
    IXMLDOMNamedNodeMapPtr attributes;
    IXMLDOMNodeListPtr children;
    CHECK(node->get_nodeType(&type) == S_OK && node->get_nodeName(&name) == S_OK);
    CHECK(node->get_text(&text) == S_OK);
    XmlOf(node);
    const HRESULT valued = node->get_nodeValue(&value);
    CHECK(valued == (value.vt == VT_NULL ? S_FALSE : S_OK));
    CHECK(SUCCEEDED(node->get_parentNode(&parent)) && SUCCEEDED(node->get_ownerDocument(&owner)));
    CHECK(SUCCEEDED(node->get_firstChild(&first)) && SUCCEEDED(node->get_nextSibling(&next)));
    // Each attribute by index and by name.
    LONG length = 0;
    CHECK(node->get_attributes(&attributes) != S_OK || attributes->get_length(&length) == S_OK);
    for (LONG i = 0; i < length; ++i) {
        IXMLDOMNodePtr attribute, named;
        CComBSTR attributeName;
        CHECK(attributes->get_item(i, &attribute) == S_OK);
        CHECK(attribute->get_nodeName(&attributeName) == S_OK);
        CHECK(attributes->getNamedItem(attributeName, &named) == S_OK);
        Node(attribute);
    }
    CHECK(node->get_childNodes(&children) == S_OK);
    List(children);
}

void Select(IXMLDOMDocument2* document, IXMLDOMNode* context, LPCOLESTR language,
            std::string_view query) {
    IXMLDOMNodeListPtr nodes;
    IXMLDOMNodePtr single;
    CHECK(document->setProperty(CComBSTR(u"SelectionLanguage"), ATL::CComVariant(language)) ==
          S_OK);
    const HRESULT selected = context->selectNodes(Text(query), &nodes);
    CHECK(SUCCEEDED(selected) == static_cast<bool>(nodes));
    budget = nodeBudget;
    if (nodes) {
        List(nodes);
    }
    CHECK(SUCCEEDED(context->selectSingleNode(Text(query), &single)) == SUCCEEDED(selected));
}

IXMLDOMDocument2Ptr Load(BSTR text, bool preserve) {
    IXMLDOMDocument2Ptr document;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CHECK(document.CreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER) == S_OK);
    CHECK(document->put_preserveWhiteSpace(preserve ? VARIANT_TRUE : VARIANT_FALSE) == S_OK);
    const HRESULT hr = document->loadXML(text, &loaded);
    CHECK(hr == (loaded == VARIANT_TRUE ? S_OK : S_FALSE));
    return loaded == VARIANT_TRUE ? document : nullptr;
}

// The input up to the next NUL byte, which is consumed with it.
std::string_view Part(std::string_view& input) {
    const std::string_view part = input.substr(0, input.find('\0'));
    input.remove_prefix(std::min(input.size(), part.size() + 1));
    return part;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    CHECK(com == S_OK);
    if (size == 0) {
        return 0;
    }
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view pattern = Part(input), xpath = Part(input), namespaces = Part(input);
    const bool preserve = (data[0] & 2) != 0;
    const IXMLDOMDocument2Ptr document = Load(Text(input, (data[0] & 1) != 0), preserve);
    if (!document) {
        return 0;
    }
    budget = nodeBudget;
    Node(document);
    // A document's "xml" loads again to the same "xml".
    const std::u16string xml = XmlOf(document);
    const IXMLDOMDocument2Ptr again =
        Load(CComBSTR(static_cast<int>(xml.size()), xml.data()), preserve);
    CHECK(again && XmlOf(again) == xml);

    IXMLDOMNodePtr context = document, element;
    if ((data[0] & 4) != 0 && document->get_documentElement(&element) == S_OK) {
        context = element;
    }
    // "SelectionNamespaces" is taken or refused.
    const HRESULT declared = document->setProperty(CComBSTR(u"SelectionNamespaces"),
                                                   ATL::CComVariant(Text(namespaces).m_str));
    CHECK(declared == S_OK || declared == E_FAIL);
    Select(document, context, u"XSLPattern", pattern);
    Select(document, context, u"XPath", xpath);
    return 0;
}
