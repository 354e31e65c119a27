// What translations may assume of a document, and the plain XPath they use
// when they may: it must select exactly what the general translation does.

#include "CaseTable.h"

namespace XslPatternTest {
namespace {

struct FactsCase {
    const char* xml;
    bool noDefaultNamespace;
    bool noEntityReferences;
};

TEST(DocumentFacts, FoundAnywhereInTheTree) {
    const FactsCase cases[] = {
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
    for (const FactsCase& c : cases) {
        Document document = Parse(c.xml);
        ASSERT_TRUE(document) << c.xml;
        XslPattern::DocumentFacts facts = XslPattern::FactsOf(document.get());
        EXPECT_EQ(facts.noDefaultNamespace, c.noDefaultNamespace) << c.xml;
        EXPECT_EQ(facts.noEntityReferences, c.noEntityReferences) << c.xml;
    }
}

TEST(DocumentFacts, LetTheCommonPatternBecomePlainXPath) {
    const XslPattern::DocumentFacts all{true, true};
    const std::pair<const char*, const char*> cases[] = {
        {"//item[@kind='k3']", "//item[@kind='k3']"},
        {"//item[@kind $ne$ 'k3']", "//item[@kind!='k3']"},
        {"r/a[b = c]", "r/a[b=c]"},
        {"r[/ = 'x']", "r[(/)='x']"},
        {"ancestor(a)", "ancestor::node()[self::a][1]"},
    };
    for (const auto& [pattern, xpath] : cases) {
        XslPattern::Translation translation = XslPattern::Translate(pattern, {}, all);
        ASSERT_TRUE(translation.ok) << pattern << ": " << translation.error;
        EXPECT_EQ(translation.xpath, xpath);
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
        "//*[@k $ne$ 'x']",
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
        for (const char* pattern : patterns) {
            Outcome plain = Select(document, pattern);
            Outcome general = Select(document, pattern, {}, nullptr, Facts::None);
            ASSERT_TRUE(plain.evaluated) << pattern << ": " << plain.error;
            ASSERT_TRUE(general.evaluated) << pattern << ": " << general.error;
            EXPECT_EQ(plain.nodes, general.nodes) << pattern << " on " << xml;
        }
    }
}

// Where the facts do not hold, the plain forms would select wrongly.
TEST(DocumentFacts, AreNeededWhereTheyDoNotHold) {
    const XslPattern::DocumentFacts claimed{true, true};
    const struct {
        const char* xml;
        const char* pattern;
        std::vector<std::string> selected;
    } cases[] = {
        {"<r xmlns='urn:d'><a k='x'/></r>", "//a", {"a0"}},
        {"<!DOCTYPE r [<!ENTITY e 'x'>]><r><a>1&e;</a></r>", "r/a[. = '1x']", {"a0"}},
        {"<!DOCTYPE r [<!ENTITY e 'x'>]><r><a>1&e;</a></r>", "r/a[. != '1x']", {}},
    };
    for (const auto& c : cases) {
        Document document = Parse(c.xml);
        ExpectSelections(document, {{c.pattern, c.selected}});
        XslPattern::Translation plain = XslPattern::Translate(c.pattern, {}, claimed);
        ASSERT_TRUE(plain.ok) << c.pattern;
        EXPECT_NE(Evaluate(document, plain.xpath).nodes, c.selected)
            << c.pattern << " as " << plain.xpath;
    }
}

} // namespace
} // namespace XslPatternTest
