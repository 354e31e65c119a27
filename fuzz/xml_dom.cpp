// libFuzzer target: the XML parser stand-in, through its COM interfaces as a
// client uses them. Arbitrary text is loaded; every node's name, type, value,
// "text" and "xml" are read, with its attributes (by index and by name) and
// its children (by navigation and as a list); then a selection by an XSL
// pattern and one by an XPath expression are read back. Every call on a live
// object must succeed as documented, a loaded document's "xml" must load
// again to the same "xml", and nothing may crash or leak.
//
// Input layout: byte 0 holds options (bit 0: the document is UTF-16LE code
// units, so unpaired surrogates reach the parser, instead of UTF-8; bit 1:
// preserve white space; bit 2: select from the document element instead of
// the document). Then, each ended by a NUL byte, the XSL pattern, the XPath
// expression and the "SelectionNamespaces" value; the document is the
// remaining bytes. Missing parts are empty.
#include <algorithm>
#include <comdef.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <msxml2.h>
#include <objbase.h>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

// Reading every node of a large document twice over would make the fuzzer
// slow without reaching anything new.
constexpr int nodeBudget = 2000;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "XML parser contract broken: %s\n", what);
        std::abort();
    }
}

void RequireOk(HRESULT hr, const char* what) {
    Require(hr == S_OK, what);
}

class Bstr {
public:
    explicit Bstr(BSTR text)
        : text(text) {}
    ~Bstr() { SysFreeString(text); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return text; }
    BSTR* operator&() { return &text; }
    std::u16string_view View() const { return {text, SysStringLen(text)}; }

private:
    BSTR text = nullptr;
};

Bstr FromUtf8(std::string_view text) {
    if (text.empty()) {
        return Bstr(SysAllocStringLen(u"", 0));
    }
    const int size = static_cast<int>(text.size());
    std::u16string wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return Bstr(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
}

Bstr FromUtf16le(std::string_view bytes) {
    std::u16string wide(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i) {
        wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return Bstr(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
}

std::u16string XmlOf(IXMLDOMNode* node) {
    Bstr xml(nullptr);
    RequireOk(node->get_xml(&xml), "get_xml");
    return std::u16string(xml.View());
}

class Visitor {
public:
    void Node(IXMLDOMNode* node) {
        if (--budget < 0) {
            return;
        }
        DOMNodeType type = NODE_INVALID;
        RequireOk(node->get_nodeType(&type), "get_nodeType");
        Bstr name(nullptr);
        RequireOk(node->get_nodeName(&name), "get_nodeName");
        Bstr text(nullptr);
        RequireOk(node->get_text(&text), "get_text");
        XmlOf(node);
        VARIANT value;
        const HRESULT valued = node->get_nodeValue(&value);
        Require(valued == (value.vt == VT_NULL ? S_FALSE : S_OK), "get_nodeValue");
        VariantClear(&value);
        IXMLDOMNodePtr parent;
        Require(SUCCEEDED(node->get_parentNode(&parent)), "get_parentNode");
        IXMLDOMDocumentPtr owner;
        Require(SUCCEEDED(node->get_ownerDocument(&owner)), "get_ownerDocument");
        Attributes(node);
        Children(node);
    }

    void List(IXMLDOMNodeList* list) {
        LONG length = 0;
        RequireOk(list->get_length(&length), "get_length of a list");
        LONG count = 0;
        for (IXMLDOMNodePtr item; list->nextNode(&item) == S_OK && budget-- > 0; ++count) {
            IXMLDOMNodePtr same;
            RequireOk(list->get_item(count, &same), "get_item of a list");
            XmlOf(item);
        }
        Require(budget <= 0 || count == length, "nextNode reaches every item");
        IXMLDOMNodePtr beyond;
        Require(list->get_item(length, &beyond) == S_FALSE && !beyond, "get_item past the end");
    }

private:
    void Attributes(IXMLDOMNode* node) {
        IXMLDOMNamedNodeMapPtr attributes;
        if (node->get_attributes(&attributes) != S_OK) {
            return;
        }
        LONG length = 0;
        RequireOk(attributes->get_length(&length), "get_length of attributes");
        for (LONG i = 0; i < length; ++i) {
            IXMLDOMNodePtr attribute;
            RequireOk(attributes->get_item(i, &attribute), "get_item of attributes");
            Bstr name(nullptr);
            RequireOk(attribute->get_nodeName(&name), "get_nodeName of an attribute");
            IXMLDOMNodePtr named;
            RequireOk(attributes->getNamedItem(name, &named), "getNamedItem");
            Node(attribute);
        }
    }

    void Children(IXMLDOMNode* node) {
        IXMLDOMNodeListPtr children;
        RequireOk(node->get_childNodes(&children), "get_childNodes");
        List(children);
        IXMLDOMNodePtr child;
        for (node->get_firstChild(&child); child && budget > 0;) {
            Node(child);
            IXMLDOMNodePtr next;
            Require(SUCCEEDED(child->get_nextSibling(&next)), "get_nextSibling");
            child = next;
        }
    }

    int budget = nodeBudget;
};

HRESULT SetProperty(IXMLDOMDocument2* document, std::string_view name, std::string_view value) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = SysAllocString(FromUtf8(value));
    const HRESULT hr = document->setProperty(FromUtf8(name), variant);
    VariantClear(&variant);
    return hr;
}

void Select(IXMLDOMDocument2* document, IXMLDOMNode* context, std::string_view language,
            std::string_view query) {
    RequireOk(SetProperty(document, "SelectionLanguage", language), "setProperty");
    IXMLDOMNodeListPtr nodes;
    const HRESULT selected = context->selectNodes(FromUtf8(query), &nodes);
    Require(SUCCEEDED(selected) == static_cast<bool>(nodes), "selectNodes gives a list or fails");
    if (nodes) {
        Visitor().List(nodes);
    }
    IXMLDOMNodePtr single;
    const HRESULT found = context->selectSingleNode(FromUtf8(query), &single);
    Require(SUCCEEDED(found) == SUCCEEDED(selected), "selectSingleNode fails as selectNodes does");
}

IXMLDOMDocument2Ptr Load(BSTR text, bool preserve) {
    IXMLDOMDocument2Ptr document;
    RequireOk(document.CreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER),
              "CreateInstance");
    RequireOk(document->put_preserveWhiteSpace(preserve ? VARIANT_TRUE : VARIANT_FALSE),
              "put_preserveWhiteSpace");
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT hr = document->loadXML(text, &loaded);
    Require(hr == (loaded == VARIANT_TRUE ? S_OK : S_FALSE), "loadXML");
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
    RequireOk(com, "CoInitializeEx");
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) {
        return 0;
    }
    const unsigned options = static_cast<unsigned char>(input[0]);
    input.remove_prefix(1);
    const std::string_view pattern = Part(input);
    const std::string_view xpath = Part(input);
    const std::string_view namespaces = Part(input);

    const bool preserve = (options & 2) != 0;
    const IXMLDOMDocument2Ptr document =
        Load((options & 1) != 0 ? FromUtf16le(input) : FromUtf8(input), preserve);
    if (!document) {
        return 0;
    }
    Visitor().Node(document);

    const std::u16string xml = XmlOf(document);
    const IXMLDOMDocument2Ptr again =
        Load(Bstr(SysAllocStringLen(xml.data(), static_cast<UINT>(xml.size()))), preserve);
    Require(static_cast<bool>(again), "a document's xml loads again");
    Require(XmlOf(again) == xml, "a document's xml loads again to the same xml");

    IXMLDOMNodePtr context = document;
    if ((options & 4) != 0) {
        IXMLDOMNodePtr element;
        if (document->get_documentElement(&element) == S_OK) {
            context = element;
        }
    }
    const HRESULT declared = SetProperty(document, "SelectionNamespaces", namespaces);
    Require(declared == S_OK || declared == E_FAIL, "SelectionNamespaces is taken or refused");
    Select(document, context, "XSLPattern", pattern);
    Select(document, context, "XPath", xpath);
    return 0;
}
