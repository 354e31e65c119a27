#include "tests/platform/xml/DomHarness.h"

#include "platform/codepage/Utf8Codec.h"

#include <objbase.h>

namespace DomTest {
namespace {

std::string Utf8(BSTR text) {
    std::string result;
    Utf8Codec::AppendUtf8({text, SysStringLen(text)}, result);
    return result;
}

class Apartment : public ::testing::Environment {
    void SetUp() override { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK); }
    void TearDown() override { CoUninitialize(); }
};
const auto* const apartment = ::testing::AddGlobalTestEnvironment(new Apartment);

std::string Label(IXMLDOMDocument2* document, IXMLDOMNode* node) {
    const std::string name = NameOf(node);
    const DOMNodeType type = TypeOf(node);
    if (type == NODE_ELEMENT) {
        const std::string same = std::string("::*[name()='").append(name).append("']");
        const std::string before = std::string("preceding").append(same + " | ancestor" + same);
        return name + std::to_string(Select(document, "XPath", before, node).size());
    }
    if (type == NODE_TEXT || type == NODE_CDATA_SECTION) {
        return std::string("'").append(TextOf(node)).append("'");
    }
    const char* prefix = type == NODE_ATTRIBUTE                ? "@"
                         : type == NODE_PROCESSING_INSTRUCTION ? "?"
                                                               : "";
    return type == NODE_DOCUMENT ? "/" : std::string(prefix).append(name);
}

} // namespace

std::string Repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

ATL::CComBSTR Bstr(std::string_view utf8) {
    std::u16string wide;
    Utf8Codec::AppendUtf16(utf8, wide);
    return ATL::CComBSTR(static_cast<int>(wide.size()), wide.data());
}

IXMLDOMDocument2Ptr NewDocument() {
    IXMLDOMDocument2Ptr document;
    EXPECT_EQ(document.CreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER), S_OK);
    return document;
}

bool Loads(IXMLDOMDocument2* document, BSTR text) {
    VARIANT_BOOL ok = VARIANT_TRUE;
    const HRESULT hr = document->loadXML(text, &ok);
    EXPECT_EQ(hr, ok == VARIANT_TRUE ? S_OK : S_FALSE);
    return ok == VARIANT_TRUE;
}

IXMLDOMDocument2Ptr Load(std::string_view text) {
    IXMLDOMDocument2Ptr document = NewDocument();
    EXPECT_TRUE(Loads(document, Bstr(text))) << text;
    return document;
}

std::string Read(IXMLDOMNode* node, HRESULT (IXMLDOMNode::*get)(BSTR*)) {
    ATL::CComBSTR text;
    EXPECT_EQ((node->*get)(&text), S_OK);
    return Utf8(text);
}

DOMNodeType TypeOf(IXMLDOMNode* node) {
    DOMNodeType type = NODE_INVALID;
    EXPECT_EQ(node->get_nodeType(&type), S_OK);
    return type;
}

std::string ValueOf(IXMLDOMNode* node) {
    ATL::CComVariant value;
    const HRESULT hr = node->get_nodeValue(&value);
    EXPECT_EQ(hr, value.vt == VT_NULL ? S_FALSE : S_OK);
    EXPECT_TRUE(value.vt == VT_NULL || value.vt == VT_BSTR);
    return value.vt == VT_BSTR ? Utf8(value.bstrVal) : "<null>";
}

HRESULT SetProperty(IXMLDOMDocument2* document, std::string_view name, std::string_view value) {
    return document->setProperty(Bstr(name), ATL::CComVariant(Bstr(value).m_str));
}

std::string PropertyOf(IXMLDOMDocument2* document, std::string_view name) {
    ATL::CComVariant value;
    EXPECT_EQ(document->getProperty(Bstr(name), &value), S_OK);
    EXPECT_EQ(value.vt, VT_BSTR);
    return Utf8(value.bstrVal);
}

std::vector<IXMLDOMNodePtr> Select(IXMLDOMDocument2* document, std::string_view language,
                                   std::string_view query, IXMLDOMNode* context,
                                   std::string_view namespaces, HRESULT* status) {
    EXPECT_EQ(SetProperty(document, "SelectionLanguage", language), S_OK);
    EXPECT_EQ(SetProperty(document, "SelectionNamespaces", namespaces), S_OK);
    IXMLDOMNodeListPtr list;
    const HRESULT hr = (context != nullptr ? context : document)->selectNodes(Bstr(query), &list);
    EXPECT_EQ(SUCCEEDED(hr), static_cast<bool>(list)) << query;
    if (status != nullptr) {
        *status = hr;
    }
    std::vector<IXMLDOMNodePtr> nodes;
    LONG length = 0;
    EXPECT_TRUE(!list || list->get_length(&length) == S_OK);
    for (LONG i = 0; i < length; ++i) {
        EXPECT_EQ(list->get_item(i, &nodes.emplace_back()), S_OK);
    }
    return nodes;
}

std::string Selected(IXMLDOMDocument2* document, std::string_view language, std::string_view query,
                     IXMLDOMNode* context, std::string_view namespaces) {
    HRESULT status = S_OK;
    ::testing::internal::CaptureStderr();
    const std::vector<IXMLDOMNodePtr> nodes =
        Select(document, language, query, context, namespaces, &status);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << query;
    if (FAILED(status)) {
        return status == E_FAIL ? "E_FAIL" : "failed";
    }
    std::string labels;
    for (const IXMLDOMNodePtr& node : nodes) {
        labels.append(labels.empty() ? "" : ",").append(Label(document, node));
    }
    return labels;
}

void ExpectSelections(IXMLDOMDocument2* document, const Cases& cases, IXMLDOMNode* context,
                      std::string_view namespaces) {
    for (const auto& [pattern, selected] : cases) {
        EXPECT_EQ(Selected(document, "XSLPattern", pattern, context, namespaces), selected)
            << pattern;
    }
}

} // namespace DomTest
