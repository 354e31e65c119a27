// What translations may assume of a document, and the plain XPath they use
// when they may: it must select exactly what the general translation does.
// Translator internals, evaluated with libxml2 directly.
#include "platform/xml/xslpattern/XslPattern.h"

#include <cstring>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <memory>
#include <vector>

namespace {

struct DocumentDeleter {
    void operator()(xmlDocPtr document) const { xmlFreeDoc(document); }
};
using Document = std::unique_ptr<xmlDoc, DocumentDeleter>;

Document Parse(const char* xml) {
    return Document(xmlReadMemory(xml, static_cast<int>(std::strlen(xml)), nullptr, nullptr,
                                  XML_PARSE_NOBLANKS | XML_PARSE_NONET | XML_PARSE_NOERROR));
}

// The nodes the pattern selects from the document, translated with `facts`.
std::vector<xmlNodePtr> Selected(const Document& document, const char* pattern,
                                 const XslPattern::DocumentFacts& facts) {
    const XslPattern::Translation translation = XslPattern::Translate(pattern, {}, facts);
    EXPECT_TRUE(translation.ok) << pattern << ": " << translation.error;
    xmlXPathContextPtr context = xmlXPathNewContext(document.get());
    XslPattern::RegisterFunctions(context);
    xmlXPathObjectPtr result = xmlXPathEvalExpression(
        reinterpret_cast<const xmlChar*>(translation.xpath.c_str()), context);
    std::vector<xmlNodePtr> nodes;
    EXPECT_TRUE(result != nullptr && result->type == XPATH_NODESET) << translation.xpath;
    if (result != nullptr && result->nodesetval != nullptr) {
        nodes.assign(result->nodesetval->nodeTab,
                     result->nodesetval->nodeTab + result->nodesetval->nodeNr);
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    return nodes;
}

TEST(DocumentFacts, FoundAnywhereInTheTree) {
    const struct {
        const char* xml;
        bool noDefaultNamespace;
        bool noEntityReferences;
    } cases[] = {
        {"<r><a k='1'>t</a></r>", true, true},
        {"<r xmlns='urn:d'><a/></r>", false, true},
        // Prefixed names are plain name tests whatever their namespace.
        {"<r xmlns:p='urn:p'><a/><p:a p:k='1'/></r>", true, true},
        // Deep down, and after climbing back out of a subtree.
        {"<r><a><b><c xmlns='urn:x'/></b></a></r>", false, true},
        {"<r><a><b/></a><c><d/></c><e xmlns='urn:x'/></r>", false, true},
        {"<!DOCTYPE r [<!ENTITY e 'x'>]><r><a>1&e;</a></r>", true, false},
        {"<!DOCTYPE r [<!ENTITY e 'x'>]><r><a k='&e;'/></r>", true, false},
        // Predefined entities and character references become text.
        {"<r k='&amp;&#65;'>&lt;&#66;</r>", true, true},
    };
    for (const auto& c : cases) {
        Document document = Parse(c.xml);
        ASSERT_TRUE(document) << c.xml;
        const XslPattern::DocumentFacts facts = XslPattern::FactsOf(document.get());
        EXPECT_EQ(facts.noDefaultNamespace, c.noDefaultNamespace) << c.xml;
        EXPECT_EQ(facts.noEntityReferences, c.noEntityReferences) << c.xml;
    }
}

// The shortcuts are what keeps common patterns as fast as XPath.
TEST(DocumentFacts, LetTheCommonPatternBecomePlainXPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"//item[@kind='k3']", "//item[@kind='k3']"},
        {"r/a[b $ne$ c]", "r/a[b!=c]"},
        {"r[/ = 'x']", "r[(/)='x']"},
    };
    for (const auto& [pattern, xpath] : cases) {
        EXPECT_EQ(XslPattern::Translate(pattern, {}, {true, true}).xpath, xpath);
    }
}

// Each pattern, on each document, selects the same nodes whether the
// translation uses what it knows of the document or assumes nothing.
TEST(DocumentFacts, PlainXPathSelectsWhatTheGeneralTranslationSelects) {
    const char* const documents[] = {
        "<r><a k='x'>1</a><a k='y'>x</a><b k='x'>x<c>y</c></b><div>x</div><text>1</text>"
        "<node/><or k=''/><a.b/><a-b k='X'/></r>",
        // Unprefixed names match these too: plain name tests would not.
        "<r xmlns='urn:d'><a k='x'>1</a><b k='x'>x<c>y</c></b><a xmlns='' k='y'>x</a></r>",
        "<r xmlns:p='urn:p'><p:a k='x'>1</p:a><a p:k='x'>x</a><a k='y' xml:lang='x'/></r>",
        // libxml2's XPath compares text without the content of entity
        // references: "1" + "x" is "1x" only to the comparison function.
        "<!DOCTYPE r [<!ENTITY e 'x'>]><r><a k='&e;'>1&e;</a><b>1x</b><c k='x'/></r>",
    };
    const char* const patterns[] = {
        "//a",
        "r/*/@k",
        "//div | //text | //node | //or | //a.b | //a-b",
        "//a[@k = 'x']",
        "//*[@k $eq$ 'x']",
        "//*[@k != 'x']",
        "//*[@k $ieq$ 'X']",
        "//*[$all$ @k = 'x']",
        "//*[$all$ . != 'x']",
        "//*[. = '1x']",
        "//*[. = 'x']",
        "//*[c = 'y']",
        "//*[. = ../a]",
        "//*[. != ../a]",
        "//*[@k = ../b/@k]",
        "//*[@* = 'urn:d']",
        "//*[text() = 'x']",
        "//*[@k = '']",
        "//*[. = 1]",
        "//*[/ = '1xxy']",
        "//*[. = 'x' and @k = 'x']",
        "//c[ancestor(b) = 'xy']",
        "//*[ancestor(r)]",
        "//element('a')",
        "//a/attribute('k')",
        "//a[index() = 1]",
        "//*[@k!value() = 'x']",
        "//*[nodeName() = 'a']",
    };
    for (const char* xml : documents) {
        Document document = Parse(xml);
        ASSERT_TRUE(document) << xml;
        const XslPattern::DocumentFacts facts = XslPattern::FactsOf(document.get());
        for (const char* pattern : patterns) {
            EXPECT_EQ(Selected(document, pattern, facts), Selected(document, pattern, {}))
                << pattern << " on " << xml;
        }
    }
}

} // namespace
