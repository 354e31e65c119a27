// Selection by XPath and by XSL pattern through selectNodes, and the two
// selection properties.
#include "tests/platform/xml/DomTestSupport.h"

#include <gtest/gtest.h>

using namespace DomTest;

namespace {

struct SelectionCase {
    std::string language;
    std::string query;
    std::string namespaces;
    std::string expected; // Describe() of the result
};

void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.language << " " << c.query;
}

constexpr std::string_view NamespaceSample = "<r xmlns:x='urn:x' xmlns:y='urn:y'>"
                                             "<x:i>1</x:i><i>2</i><y:i>3</y:i>"
                                             "<d xmlns='urn:x'><i>4</i></d></r>";

class SelectionCases : public ::testing::TestWithParam<SelectionCase> {
protected:
    ComScope com;
};

TEST_P(SelectionCases, SelectTheExpectedNodes) {
    const SelectionCase& c = GetParam();
    IXMLDOMDocument2Ptr document = Load(NamespaceSample);
    EXPECT_EQ(Describe(Select(document, document, c.language, c.query, c.namespaces)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    XPath, SelectionCases,
    ::testing::Values(SelectionCase{"XPath", "/r/*/text()", "", "1,2,3"},
                      SelectionCase{"XPath", "//i", "", "i"},
                      SelectionCase{"XPath", "//p:i", "xmlns:p='urn:x'", "x:i,i"},
                      SelectionCase{"XPath", "//p:i | //q:i",
                                    " xmlns:p=\"urn:x\"\txmlns:q='urn:y' ", "x:i,y:i,i"},
                      // A default declaration binds nothing: unprefixed names have no namespace.
                      SelectionCase{"XPath", "//i", "xmlns='urn:x'", "i"},
                      SelectionCase{"XPath", "/r/@*", "", ""},
                      SelectionCase{"XPath", "/r/namespace::*", "", "xmlns:x,xmlns:y"},
                      SelectionCase{"XPath", "//q:i", "xmlns:p='urn:x'", "E_FAIL"},
                      SelectionCase{"XPath", "//x:i", "", "E_FAIL"},
                      SelectionCase{"XPath", "", "", "E_FAIL"},
                      SelectionCase{"XPath", "count(//i)", "", "E_FAIL"},
                      SelectionCase{"XPath", "string(/r)", "", "E_FAIL"},
                      SelectionCase{"XPath", "index()", "", "E_FAIL"}));

INSTANTIATE_TEST_SUITE_P(XslPattern, SelectionCases,
                         ::testing::Values(
                             // Unprefixed names match the names written without a prefix,
                             // in any namespace; a bound prefix by URI; an unbound one by the
                             // prefix written in the document.
                             SelectionCase{"XSLPattern", "//i", "", "i,i"},
                             SelectionCase{"XSLPattern", "//p:i", "xmlns:p='urn:x'", "x:i,i"},
                             SelectionCase{"XSLPattern", "//y:i", "", "y:i"},
                             SelectionCase{"XSLPattern", "r/@*", "", "xmlns:x,xmlns:y"},
                             SelectionCase{"XSLPattern", "//nothing", "", ""},
                             SelectionCase{"XSLPattern", "r/i[", "", "E_FAIL"},
                             SelectionCase{"XSLPattern", "r/i[last()]", "", "E_FAIL"}));

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

// A rejected value is kept, and no selection succeeds until a valid one is set.
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
    ASSERT_EQ(SetText("SelectionNamespaces", ""), S_OK);
    EXPECT_EQ(document->selectNodes(Bstr("r"), &list), S_OK);
}

TEST_F(SelectionProperties, NoQueryIsAnInvalidArgumentAndLeavesTheResultAlone) {
    int marker = 0;
    auto* const untouched = reinterpret_cast<IXMLDOMNodeList*>(&marker);
    IXMLDOMNodeList* list = untouched;
    EXPECT_EQ(document->selectNodes(nullptr, &list), E_INVALIDARG);
    EXPECT_EQ(list, untouched);
}

TEST_F(SelectionProperties, EmptyNamespacesClearThePrefixes) {
    ASSERT_EQ(SetText("SelectionLanguage", "XPath"), S_OK);
    ASSERT_EQ(SetText("SelectionNamespaces", "xmlns:a='urn:a'"), S_OK);
    IXMLDOMNodeListPtr list;
    EXPECT_EQ(document->selectNodes(Bstr("//a:x"), &list), S_OK);
    ASSERT_EQ(SetText("SelectionNamespaces", ""), S_OK);
    EXPECT_EQ(document->selectNodes(Bstr("//a:x"), &list), E_FAIL);
}

class SelectionContext : public ::testing::Test {
protected:
    ComScope com;
};

TEST_F(SelectionContext, ExpressionsAreRelativeToTheNode) {
    IXMLDOMDocument2Ptr document = Load("<r><a><b>1</b></a><a><b>2</b><b>3</b></a></r>");
    IXMLDOMNodeListPtr as;
    ASSERT_EQ(document->selectNodes(Bstr("r/a"), &as), S_OK);
    std::vector<IXMLDOMNodePtr> items = Items(as);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(Describe(Select(document, items[1], "XPath", "b")), "b,b");
    EXPECT_EQ(Describe(Select(document, items[1], "XPath", "..")), "r");
    EXPECT_EQ(Describe(Select(document, items[1], "XSLPattern", "b[0]")), "b");
    IXMLDOMNodePtr single;
    EXPECT_EQ(items[1]->selectSingleNode(Bstr("b[1]"), &single), S_OK);
    EXPECT_EQ(TextOf(single), "3");
    EXPECT_EQ(items[1]->selectSingleNode(Bstr("z"), &single), S_FALSE);
    EXPECT_FALSE(single);
}

TEST_F(SelectionContext, XslPatternMethodsSeeTheDeclarationAsAProcessingInstruction) {
    IXMLDOMDocument2Ptr document =
        Load("<?xml version='1.0'?><!--c--><root><a/><x p='1' q='2'><a/></x></root>");
    EXPECT_EQ(Describe(Select(document, document, "XSLPattern", "node()")), "xml,#comment,root");
    EXPECT_EQ(Describe(Select(document, document, "XSLPattern", "//element(a)")), "E_FAIL");
}

TEST_F(SelectionContext, EachSelectionUsesTheLanguageSetLast) {
    IXMLDOMDocument2Ptr document = Load("<r><i>1</i><i>2</i></r>");
    EXPECT_EQ(Describe(Select(document, document, "XSLPattern", "r/i[0]")), "i");
    EXPECT_EQ(Describe(Select(document, document, "XPath", "r/i[0]")), "");
    EXPECT_EQ(Describe(Select(document, document, "XSLPattern", "r/i[end()]")), "i");
    EXPECT_EQ(Describe(Select(document, document, "XPath", "r/i[end()]")), "E_FAIL");
}

} // namespace

// Chains of one operator are as long as XPath's own: the translation neither
// nests one level per operand nor takes quadratic time to build.
TEST_F(SelectionContext, LongChainsSelectWhatTheSameXPathSelects) {
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
        const std::string byXPath = Describe(Select(document, document, "XPath", query));
        EXPECT_NE(byXPath, "E_FAIL");
        EXPECT_EQ(Describe(Select(document, document, "XSLPattern", query)), byXPath);
    }
}
