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

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

Document Parse(const char* xml) {
    return Document(xmlReadMemory(xml, static_cast<int>(std::strlen(xml)), nullptr, nullptr,
                                  XML_PARSE_NOBLANKS | XML_PARSE_NONET | XML_PARSE_NOERROR),
                    &xmlFreeDoc);
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

// What a translation may assume is found anywhere in the tree; and each
// pattern, on each document, selects the same nodes whether the translation
// uses what it knows of the document or assumes nothing.
TEST(DocumentFacts, PlainXPathSelectsWhatTheGeneralTranslationSelects) {
    const struct {
        const char* xml;
        bool noDefaultNamespace, noEntityReferences;
    } documents[] = {
        {"<r><a k='x'>1</a><a k='y'>x</a><b k='x'>x<c>y</c></b><div>x</div><text>1</text>"
         "<node/><or k=''/><a.b/><a-b k='X'/></r>",
         true, true},
        // Unprefixed names match these too: plain name tests would not.
        {"<r xmlns='urn:d'><a k='x'>1</a><b k='x'>x<c>y</c></b><a xmlns='' k='y'>x</a></r>", false,
         true},
        // Deep down, and after climbing back out of a subtree.
        {"<r><b><c><d/></c></b><e><a xmlns='urn:x' k='x'>1</a></e><a k='x'/></r>", false, true},
        // Prefixed names are plain name tests whatever their namespace.
        {"<r xmlns:p='urn:p'><p:a k='x'>1</p:a><a p:k='x'>x</a><a k='y' xml:lang='x'/></r>", true,
         true},
        // libxml2's XPath compares text without the content of entity
        // references: "1" + "x" is "1x" only to the comparison function.
        {"<!DOCTYPE r [<!ENTITY e 'x'>]><r><a>1&e;</a><b>1x</b><c k='x'/></r>", true, false},
        {"<!DOCTYPE r [<!ENTITY e 'x'>]><r><a k='&e;'/><b>1x</b><c k='x'/></r>", true, false},
    };
    // Names; attributes compared; text compared; node sets compared; methods.
    const std::vector<const char*> patterns[] = {
        {"//a", "r/*/@k", "//element('a')", "//a/attribute('k')",
         "//div | //text | //node | //or | //a.b | //a-b"},
        {"//a[@k = 'x']", "//*[@k $eq$ 'x']", "//*[@k != 'x']", "//*[@k $ieq$ 'X']",
         "//*[$all$ @k = 'x']", "//*[@k = '']", "//*[@k!value() = 'x']", "//*[@* = 'urn:d']"},
        {"//*[$all$ . != 'x']", "//*[. = '1x']", "//*[. = 'x']", "//*[c = 'y']",
         "//*[text() = 'x']", "//*[. = 1]", "//*[/ = '1xxy']", "//*[. = 'x' and @k = 'x']"},
        {"//*[. = ../a]", "//*[. != ../a]", "//*[@k = ../b/@k]"},
        {"//c[ancestor(b) = 'xy']", "//*[ancestor(r)]", "//a[index() = 1]",
         "//*[nodeName() = 'a']"},
    };
    for (const auto& [xml, noDefaultNamespace, noEntityReferences] : documents) {
        Document document = Parse(xml);
        ASSERT_TRUE(document) << xml;
        const XslPattern::DocumentFacts facts = XslPattern::FactsOf(document.get());
        EXPECT_EQ(facts.noDefaultNamespace, noDefaultNamespace) << xml;
        EXPECT_EQ(facts.noEntityReferences, noEntityReferences) << xml;
        for (const std::vector<const char*>& group : patterns) {
            for (const char* pattern : group) {
                EXPECT_EQ(Selected(document, pattern, facts), Selected(document, pattern, {}))
                    << pattern << " on " << xml;
            }
        }
    }
}

} // namespace
