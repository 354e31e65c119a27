#include "tests/platform/xml/DomHarness.h"

#include "platform/codepage/Utf8Codec.h"

#include <gmock/gmock.h>

namespace DomTest {

Bstr::Bstr(std::string_view utf8) {
    std::u16string wide;
    Utf8Codec::AppendUtf16(utf8, wide);
    text_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string Utf8(BSTR text) {
    std::string result;
    if (text != nullptr) {
        Utf8Codec::AppendUtf8({text, SysStringLen(text)}, result);
    }
    SysFreeString(text);
    return result;
}

IXMLDOMDocument2Ptr NewDocument() {
    IXMLDOMDocument2Ptr document;
    EXPECT_EQ(document.CreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER), S_OK);
    return document;
}

bool Loads(IXMLDOMDocument2* document, std::string_view text) {
    VARIANT_BOOL ok = VARIANT_TRUE;
    const HRESULT hr = document->loadXML(Bstr(text), &ok);
    EXPECT_EQ(hr, ok == VARIANT_TRUE ? S_OK : S_FALSE);
    return ok == VARIANT_TRUE;
}

IXMLDOMDocument2Ptr Load(std::string_view text) {
    IXMLDOMDocument2Ptr document = NewDocument();
    EXPECT_TRUE(Loads(document, text)) << text;
    return document;
}

std::string NameOf(IXMLDOMNode* node) {
    BSTR name = nullptr;
    EXPECT_EQ(node->get_nodeName(&name), S_OK);
    return Utf8(name);
}

std::string TextOf(IXMLDOMNode* node) {
    BSTR text = nullptr;
    EXPECT_EQ(node->get_text(&text), S_OK);
    return Utf8(text);
}

std::string XmlOf(IXMLDOMNode* node) {
    BSTR xml = nullptr;
    EXPECT_EQ(node->get_xml(&xml), S_OK);
    return Utf8(xml);
}

DOMNodeType TypeOf(IXMLDOMNode* node) {
    DOMNodeType type = NODE_INVALID;
    EXPECT_EQ(node->get_nodeType(&type), S_OK);
    return type;
}

std::string ValueOf(IXMLDOMNode* node) {
    VARIANT value;
    const HRESULT hr = node->get_nodeValue(&value);
    if (value.vt == VT_NULL) {
        EXPECT_EQ(hr, S_FALSE);
        return "<null>";
    }
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(value.vt, VT_BSTR);
    return Utf8(value.vt == VT_BSTR ? value.bstrVal : nullptr);
}

std::vector<IXMLDOMNodePtr> Items(IXMLDOMNodeList* list) {
    std::vector<IXMLDOMNodePtr> items;
    LONG length = 0;
    EXPECT_EQ(list->get_length(&length), S_OK);
    for (LONG i = 0; i < length; ++i) {
        IXMLDOMNodePtr item;
        EXPECT_EQ(list->get_item(i, &item), S_OK);
        items.push_back(item);
    }
    return items;
}

namespace {

HRESULT SetProperty(IXMLDOMDocument2* document, std::string_view name, std::string_view value) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = SysAllocString(Bstr(value));
    const HRESULT hr = document->setProperty(Bstr(name), variant);
    VariantClear(&variant);
    return hr;
}

std::string Label(IXMLDOMDocument2* document, IXMLDOMNode* node) {
    switch (TypeOf(node)) {
    case NODE_ELEMENT: {
        const std::string name = NameOf(node);
        // Appended: GCC 12 warns falsely (-Wrestrict) on "text" + string.
        const std::string same = std::string("*[name()='").append(name).append("']");
        const std::string before =
            std::string("preceding::").append(same).append(" | ancestor::").append(same);
        return name + std::to_string(Select(document, "XPath", before, node).nodes.size());
    }
    case NODE_ATTRIBUTE:
        return std::string("@").append(NameOf(node));
    case NODE_TEXT:
    case NODE_CDATA_SECTION:
        return std::string("'").append(TextOf(node)).append("'");
    case NODE_PROCESSING_INSTRUCTION:
        return std::string("?").append(NameOf(node));
    case NODE_DOCUMENT:
        return "/";
    default:
        return NameOf(node);
    }
}

} // namespace

Selection Select(IXMLDOMDocument2* document, std::string_view language, std::string_view query,
                 IXMLDOMNode* context, std::string_view namespaces) {
    EXPECT_EQ(SetProperty(document, "SelectionLanguage", language), S_OK);
    EXPECT_EQ(SetProperty(document, "SelectionNamespaces", namespaces), S_OK);
    IXMLDOMNode* from = context != nullptr ? context : document;
    IXMLDOMNodeListPtr list;
    Selection selection{document, from->selectNodes(Bstr(query), &list), {}};
    if (SUCCEEDED(selection.status)) {
        EXPECT_TRUE(list);
        selection.nodes = Items(list);
    } else {
        EXPECT_FALSE(list);
    }
    return selection;
}

std::vector<std::string> Labels(const Selection& selection) {
    std::vector<std::string> labels;
    for (const IXMLDOMNodePtr& node : selection.nodes) {
        labels.push_back(Label(selection.document, node));
    }
    return labels;
}

std::string Describe(const Selection& selection) {
    if (selection.status == E_FAIL) {
        return "E_FAIL";
    }
    std::string description;
    for (const std::string& label : Labels(selection)) {
        description.append(description.empty() ? "" : ",").append(label);
    }
    return description;
}

void ExpectSelections(IXMLDOMDocument2* document, const std::vector<Case>& cases,
                      IXMLDOMNode* context, std::string_view namespaces) {
    for (const Case& c : cases) {
        const Selection selection = Select(document, "XSLPattern", c.pattern, context, namespaces);
        ASSERT_EQ(selection.status, S_OK) << c.pattern;
        EXPECT_THAT(Labels(selection), ::testing::ElementsAreArray(c.selected)) << c.pattern;
    }
}

} // namespace DomTest
