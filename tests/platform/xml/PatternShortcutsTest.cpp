// XSL patterns take plain XPath shortcuts on documents without namespaces or
// entity references; each loaded tree decides for itself whether they apply.
#include "tests/platform/xml/DomTestSupport.h"

#include <gtest/gtest.h>

using namespace DomTest;

namespace {

class PatternShortcuts : public ::testing::Test {
protected:
    ComScope com;
};

TEST_F(PatternShortcuts, FollowEachLoadOfTheSameDocumentObject) {
    const struct {
        const char* xml;
        const char* expected;
    } loads[] = {
        {"<r><item kind='k3'>a</item><item kind='k1'>b</item></r>", "a"},
        // Unprefixed names match in the default namespace too.
        {"<r xmlns='urn:d'><item kind='k1'>c</item><item kind='k3'>d</item></r>", "d"},
        // Prefixed names are not: `p:item` and `p:kind` are no `item` or `kind`.
        {"<r xmlns:p='urn:p'><item p:kind='k3'>e</item><p:item kind='k3'>f</p:item>"
         "<item kind='k3'>g</item></r>",
         "g"},
        {"<r><item kind='k3'>g</item></r>", "g"},
    };
    IXMLDOMDocument2Ptr document = NewDocument();
    for (const auto& load : loads) {
        ASSERT_TRUE(Loads(document, load.xml)) << load.xml;
        EXPECT_EQ(Describe(Select(document, document, "XSLPattern", "//item[@kind = 'k3']/text()")),
                  load.expected)
            << load.xml;
    }
}

TEST_F(PatternShortcuts, CompareTheTextOfEntityReferences) {
    IXMLDOMDocument2Ptr document =
        Load("<!DOCTYPE r [<!ENTITY e 'x'>]><r><a k='1&e;'>1&e;</a><a k='2'>2</a></r>");
    EXPECT_EQ(Describe(Select(document, document, "XSLPattern", "r/a[. = '1x']/@k")), "k");
    EXPECT_EQ(Describe(Select(document, document, "XSLPattern", "r/a[@k $ne$ '1x']/text()")), "2");
}

} // namespace
