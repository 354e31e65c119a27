// Selection through selectNodes in either language, and the two selection
// properties. What XSL patterns select is tested in xslpattern/.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

TEST(Selections, XPathMapsNamespacesAndAcceptsOnlyNodeSets) {
    IXMLDOMDocument2Ptr document = Load("<r xmlns:x='urn:x' xmlns:y='urn:y'>"
                                        "<x:i>1</x:i><i>2</i><y:i>3</y:i>"
                                        "<d xmlns='urn:x'><i>4</i></d></r>");
    const struct {
        const char *query, *namespaces, *expected;
    } cases[] = {
        {"//p:i", "xmlns:p='urn:x'", "x:i0,i1"},
        {"//p:i | //q:i", " xmlns:p=\"urn:x\"\txmlns:q='urn:y' ", "x:i0,y:i0,i1"},
        // Unions in document order at any depth; the function that evaluates
        // them is out of the expression's reach, and `|` needs node-sets.
        {"(//y:i | (/r/* | //p:i))[2]", "xmlns:p='urn:x' xmlns:y='urn:y'", "i0"},
        {"//*[(p:i | i)]", "xmlns:p='urn:x'", "r0,d0"},
        {"/r/*[. = '|' or self::i | self::y:i]", "xmlns:y='urn:y'", "i0,y:i0"},
        {"union(//i) | //i", "", "E_FAIL"},
        {"//i | 1", "", "E_FAIL"},
        // A default declaration binds nothing: unprefixed names have no namespace.
        {"//i", "xmlns='urn:x'", "i0"},
        // Namespace nodes are the attributes that declare them.
        {"/r/namespace::*", "", "@xmlns:x,@xmlns:y"},
        // Prefixes of the document are not the selection's.
        {"//x:i", "", "E_FAIL"},
        {"count(//i)", "", "E_FAIL"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Selected(document, "XPath", c.query, nullptr, c.namespaces), c.expected)
            << c.query;
    }
}

// Names of the parser's fifth-edition name characters, which libxml2's XPath
// cannot spell, select in XPath as in patterns.
TEST(Selections, NonAsciiNamesSelectInBothLanguages) {
    IXMLDOMDocument2Ptr document = Load("<r xmlns:p='urn:x'><a\u20AC b\u20AC='1'/>"
                                        "<p:a\u20AC/><\u00E9/><a\u20AC/></r>");
    const struct {
        const char *query, *namespaces, *expected;
    } cases[] = {
        {"//a\u20AC", "", "a\u20AC0,a\u20AC1"},
        {"//a\u20AC[@b\u20AC = '1']", "", "a\u20AC0"},
        {"/r/a\u20AC[2]", "", "a\u20AC1"},
        {"//q:a\u20AC | //\u00E9", "xmlns:q='urn:x'", "p:a\u20AC0,\u00E90"},
        {"//*[name() = 'p:a\u20AC']", "", "p:a\u20AC0"},
        {"//z:a\u20AC", "", "E_FAIL"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Selected(document, "XPath", c.query, nullptr, c.namespaces), c.expected)
            << c.query;
    }
    EXPECT_EQ(Selected(document, "XSLPattern", "//a\u20AC[@b\u20AC = '1']"), "a\u20AC0");
}

// A single node is selected relative to its context, or none. That the
// language set last decides is the XML vocabulary's test's (tests/inspectors).
TEST(Selections, SingleNodeOrNone) {
    IXMLDOMDocument2Ptr document = Load("<r><i>1</i><i>2</i></r>");
    const IXMLDOMNodePtr root = Select(document, "XPath", "r").at(0);
    IXMLDOMNodePtr single;
    EXPECT_EQ(root->selectSingleNode(Bstr("i[2]"), &single), S_OK);
    EXPECT_EQ(TextOf(single), "2");
    EXPECT_EQ(root->selectSingleNode(Bstr("z"), &single), S_FALSE);
    EXPECT_FALSE(single);
}

// Patterns take plain XPath shortcuts on documents that allow them; each load
// of the same document object decides anew.
TEST(Selections, PatternsFollowEachLoadOfTheDocument) {
    IXMLDOMDocument2Ptr document = NewDocument();
    for (const char* xml : {"<r><item/></r>", "<r xmlns='urn:d'><item/></r>"}) {
        ASSERT_TRUE(Loads(document, Bstr(xml)));
        EXPECT_EQ(Selected(document, "XSLPattern", "r/item"), "item0") << xml;
    }
}

// Chains of one operator are as long as XPath's own: the translation neither
// nests one level per operand nor takes quadratic time to build.
TEST(Selections, LongChainsSelectWhatTheSameXPathSelects) {
    IXMLDOMDocument2Ptr document =
        Load("<r><a><b/><c/></a><a><b/></a><d xmlns='urn:d'><a><b/><c/></a></d></r>");
    for (const std::string& query : {"r/a[b" + Repeated(" and c and b", 2000) + "]",
                                     "r/a/b" + Repeated(" | r/a/c | r/a/b", 2000)}) {
        const std::string byXPath = Selected(document, "XPath", query);
        EXPECT_NE(byXPath, "E_FAIL");
        EXPECT_EQ(Selected(document, "XSLPattern", query), byXPath);
    }
}

TEST(SelectionProperties, DefaultToXslPatternsWithoutNamespacesAndRefuseOthers) {
    IXMLDOMDocument2Ptr document = Load("<r/>");
    EXPECT_EQ(PropertyOf(document, "SelectionLanguage"), "XSLPattern");
    EXPECT_EQ(PropertyOf(document, "SelectionNamespaces"), "");
    ASSERT_EQ(SetProperty(document, "SelectionLanguage", "XPath"), S_OK);
    ASSERT_EQ(SetProperty(document, "SelectionNamespaces", "xmlns:a='urn:a'"), S_OK);
    for (std::string_view bad : {"xpath", "XSL Pattern", ""}) {
        EXPECT_EQ(SetProperty(document, "SelectionLanguage", bad), E_FAIL) << bad;
    }
    EXPECT_EQ(SetProperty(document, "SelectionLanguagee", "XPath"), E_FAIL);
    for (std::string_view name : {"SelectionLanguage", "SelectionNamespaces"}) {
        EXPECT_EQ(document->setProperty(Bstr(name), ATL::CComVariant(1)), E_FAIL) << name;
    }
    EXPECT_EQ(PropertyOf(document, "SelectionLanguage"), "XPath");
    EXPECT_EQ(PropertyOf(document, "SelectionNamespaces"), "xmlns:a='urn:a'");
    ATL::CComVariant value;
    EXPECT_EQ(document->getProperty(Bstr("Other"), &value), E_FAIL);
}

// A rejected value is kept, and no selection succeeds until a valid one is
// set; an empty one clears the prefixes.
TEST(SelectionProperties, RejectedNamespacesAreKeptAndFailEverySelection) {
    IXMLDOMDocument2Ptr document = Load("<r/>");
    IXMLDOMNodeListPtr list;
    for (std::string_view bad :
         {"xmlns:a=urn", "a='x'", "xmlns:a='x'xmlns:b='y'", "xmlns:a='x", "xmlns:='x'",
          "xmlns:a=''", "xmlns:a='x' xmlns:a='y'", "xmlns:xml='x'", "xmlns:a='x' junk"}) {
        ASSERT_EQ(SetProperty(document, "SelectionNamespaces", "xmlns:a='urn:a'"), S_OK);
        EXPECT_EQ(SetProperty(document, "SelectionNamespaces", bad), E_FAIL) << bad;
        EXPECT_EQ(PropertyOf(document, "SelectionNamespaces"), bad);
        EXPECT_EQ(document->selectNodes(Bstr("r"), &list), E_FAIL) << bad;
    }
    ASSERT_EQ(SetProperty(document, "SelectionLanguage", "XPath"), S_OK);
    ASSERT_EQ(SetProperty(document, "SelectionNamespaces", "xmlns:a='urn:a'"), S_OK);
    EXPECT_EQ(document->selectNodes(Bstr("//a:x"), &list), S_OK);
    ASSERT_EQ(SetProperty(document, "SelectionNamespaces", ""), S_OK);
    EXPECT_EQ(document->selectNodes(Bstr("//a:x"), &list), E_FAIL);
    // No query at all is an invalid argument and leaves the result alone.
    int marker = 0;
    auto* const untouched = reinterpret_cast<IXMLDOMNodeList*>(&marker);
    IXMLDOMNodeList* result = untouched;
    EXPECT_EQ(document->selectNodes(nullptr, &result), E_INVALIDARG);
    EXPECT_EQ(result, untouched);
}

} // namespace
