// Selection through selectNodes in either language, and the two selection
// properties. What XSL patterns select is tested in xslpattern/.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

class Selections : public ::testing::Test {
protected:
    ComScope com;
};

TEST_F(Selections, XPathMapsNamespacesAndAcceptsOnlyNodeSets) {
    IXMLDOMDocument2Ptr document = Load("<r xmlns:x='urn:x' xmlns:y='urn:y'>"
                                        "<x:i>1</x:i><i>2</i><y:i>3</y:i>"
                                        "<d xmlns='urn:x'><i>4</i></d></r>");
    const struct {
        const char* query;
        const char* namespaces;
        const char* expected;
    } cases[] = {
        {"//p:i", "xmlns:p='urn:x'", "x:i0,i1"},
        {"//p:i | //q:i", " xmlns:p=\"urn:x\"\txmlns:q='urn:y' ", "x:i0,y:i0,i1"},
        // A default declaration binds nothing: unprefixed names have no namespace.
        {"//i", "xmlns='urn:x'", "i0"},
        {"/r/@*", "", ""},
        // Namespace nodes are the attributes that declare them.
        {"/r/namespace::*", "", "@xmlns:x,@xmlns:y"},
        {"//q:i", "xmlns:p='urn:x'", "E_FAIL"},
        // Prefixes of the document are not the selection's.
        {"//x:i", "", "E_FAIL"},
        {"count(//i)", "", "E_FAIL"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(Select(document, "XPath", c.query, nullptr, c.namespaces)), c.expected)
            << c.query;
    }
}

TEST_F(Selections, AreRelativeToTheNode) {
    IXMLDOMDocument2Ptr document = Load("<r><a><b>1</b></a><a><b>2</b><b>3</b></a></r>");
    const IXMLDOMNodePtr second = Select(document, "XPath", "r/a[2]").nodes.at(0);
    EXPECT_EQ(Describe(Select(document, "XPath", "b", second)), "b1,b2");
    EXPECT_EQ(Describe(Select(document, "XPath", "..", second)), "r0");
    IXMLDOMNodePtr single;
    EXPECT_EQ(second->selectSingleNode(Bstr("b[2]"), &single), S_OK);
    EXPECT_EQ(TextOf(single), "3");
    EXPECT_EQ(second->selectSingleNode(Bstr("z"), &single), S_FALSE);
    EXPECT_FALSE(single);
}

TEST_F(Selections, EachUsesTheLanguageSetLast) {
    IXMLDOMDocument2Ptr document = Load("<r><i>1</i><i>2</i></r>");
    EXPECT_EQ(Describe(Select(document, "XSLPattern", "r/i[0]")), "i0");
    EXPECT_EQ(Describe(Select(document, "XPath", "r/i[0]")), "");
    EXPECT_EQ(Describe(Select(document, "XSLPattern", "r/i[end()]")), "i1");
    EXPECT_EQ(Describe(Select(document, "XPath", "r/i[end()]")), "E_FAIL");
}

// Patterns take plain XPath shortcuts on documents that allow them; each load
// of the same document object decides anew.
TEST_F(Selections, PatternsFollowEachLoadOfTheDocument) {
    IXMLDOMDocument2Ptr document = NewDocument();
    for (const char* xml : {"<r><item/></r>", "<r xmlns='urn:d'><item/></r>"}) {
        ASSERT_TRUE(Loads(document, xml));
        EXPECT_EQ(Describe(Select(document, "XSLPattern", "r/item")), "item0") << xml;
    }
}

// Chains of one operator are as long as XPath's own: the translation neither
// nests one level per operand nor takes quadratic time to build.
TEST_F(Selections, LongChainsSelectWhatTheSameXPathSelects) {
    IXMLDOMDocument2Ptr document =
        Load("<r><a><b/><c/></a><a><b/></a><d xmlns='urn:d'><a><b/><c/></a></d></r>");
    std::string chain = "r/a[b";
    std::string united = "r/a/b";
    for (int i = 1; i < 4000; ++i) {
        chain += i % 2 == 0 ? " and b" : " and c";
        united += i % 2 == 0 ? " | r/a/b" : " | r/a/c";
    }
    chain += "]";
    for (const std::string& query : {chain, united}) {
        const std::string byXPath = Describe(Select(document, "XPath", query));
        EXPECT_NE(byXPath, "E_FAIL");
        EXPECT_EQ(Describe(Select(document, "XSLPattern", query)), byXPath);
    }
}

class SelectionProperties : public ::testing::Test {
protected:
    ComScope com;
    IXMLDOMDocument2Ptr document = Load("<r/>");

    HRESULT Set(std::string_view name, VARIANT value) {
        return document->setProperty(Bstr(name), value);
    }
    HRESULT SetText(std::string_view name, std::string_view value) {
        Bstr text(value);
        VARIANT variant;
        VariantInit(&variant);
        variant.vt = VT_BSTR;
        variant.bstrVal = text;
        return Set(name, variant);
    }
    std::string Get(std::string_view name) {
        VARIANT value;
        EXPECT_EQ(document->getProperty(Bstr(name), &value), S_OK);
        EXPECT_EQ(value.vt, VT_BSTR);
        return Utf8(value.bstrVal);
    }
};

TEST_F(SelectionProperties, DefaultToXslPatternsWithoutNamespaces) {
    EXPECT_EQ(Get("SelectionLanguage"), "XSLPattern");
    EXPECT_EQ(Get("SelectionNamespaces"), "");
}

TEST_F(SelectionProperties, RefuseOtherNamesValuesAndKinds) {
    ASSERT_EQ(SetText("SelectionLanguage", "XPath"), S_OK);
    ASSERT_EQ(SetText("SelectionNamespaces", "xmlns:a='urn:a'"), S_OK);
    for (std::string_view bad : {"xpath", "XSL Pattern", ""}) {
        EXPECT_EQ(SetText("SelectionLanguage", bad), E_FAIL) << bad;
    }
    EXPECT_EQ(SetText("SelectionLanguagee", "XPath"), E_FAIL);
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    EXPECT_EQ(Set("SelectionLanguage", number), E_FAIL);
    EXPECT_EQ(Set("SelectionNamespaces", number), E_FAIL);
    EXPECT_EQ(Get("SelectionLanguage"), "XPath");
    EXPECT_EQ(Get("SelectionNamespaces"), "xmlns:a='urn:a'");
    VARIANT value;
    EXPECT_EQ(document->getProperty(Bstr("Other"), &value), E_FAIL);
}

// A rejected value is kept, and no selection succeeds until a valid one is
// set; an empty one clears the prefixes.
TEST_F(SelectionProperties, RejectedNamespacesAreKeptAndFailEverySelection) {
    IXMLDOMNodeListPtr list;
    for (std::string_view bad :
         {"xmlns:a=urn", "a='x'", "xmlns:a='x'xmlns:b='y'", "xmlns:a='x", "xmlns:='x'",
          "xmlns:a=''", "xmlns:a='x' xmlns:a='y'", "xmlns:xml='x'", "xmlns:a='x' junk"}) {
        ASSERT_EQ(SetText("SelectionNamespaces", "xmlns:a='urn:a'"), S_OK);
        EXPECT_EQ(SetText("SelectionNamespaces", bad), E_FAIL) << bad;
        EXPECT_EQ(Get("SelectionNamespaces"), bad);
        EXPECT_EQ(document->selectNodes(Bstr("r"), &list), E_FAIL) << bad;
    }
    ASSERT_EQ(SetText("SelectionLanguage", "XPath"), S_OK);
    ASSERT_EQ(SetText("SelectionNamespaces", "xmlns:a='urn:a'"), S_OK);
    EXPECT_EQ(document->selectNodes(Bstr("//a:x"), &list), S_OK);
    ASSERT_EQ(SetText("SelectionNamespaces", ""), S_OK);
    EXPECT_EQ(document->selectNodes(Bstr("//a:x"), &list), E_FAIL);
}

TEST_F(SelectionProperties, NoQueryIsAnInvalidArgumentAndLeavesTheResultAlone) {
    int marker = 0;
    auto* const untouched = reinterpret_cast<IXMLDOMNodeList*>(&marker);
    IXMLDOMNodeList* list = untouched;
    EXPECT_EQ(document->selectNodes(nullptr, &list), E_INVALIDARG);
    EXPECT_EQ(list, untouched);
}

} // namespace
