// For patterns that mean the same in both languages, an XSL pattern selects
// exactly what the equivalent XPath expression selects, on generated documents.
#include "tests/platform/xml/DomTestSupport.h"

#include <gtest/gtest.h>
#include <random>

using namespace DomTest;

namespace {

std::string GenerateDocument(std::mt19937& random) {
    const char* const names[] = {"a", "b", "c"};
    const char* const values[] = {"v1", "v2", "v3"};
    std::string text;
    int serial = 0;
    auto element = [&](auto& self, int depth) -> void {
        const char* name = names[random() % 3];
        text += "<";
        text += name;
        if (random() % 2 == 0) {
            text += " k='";
            text += values[random() % 3];
            text += "'";
        }
        text += " id='" + std::to_string(serial++) + "'>";
        if (depth < 4) {
            const int children = static_cast<int>(random() % 4);
            for (int i = 0; i < children; ++i) {
                self(self, depth + 1);
            }
        }
        if (random() % 2 == 0) {
            text += values[random() % 3];
        }
        text += "</";
        text += name;
        text += ">";
    };
    text += "<r id='root'>";
    for (int i = 0; i < 4; ++i) {
        element(element, 1);
    }
    text += "</r>";
    return text;
}

// The XSL pattern and the XPath expression, both evaluated from the document.
const std::pair<const char*, const char*> Equivalents[] = {
    {"r/a", "r/a"},
    {"r/a/b", "r/a/b"},
    {"//b", "//b"},
    {"r//c", "r//c"},
    {"r/*", "r/*"},
    {"r/a[@k]", "r/a[@k]"},
    {"//b[@k = 'v1']", "//b[@k = 'v1']"},
    {"//*[@k != 'v2']", "//*[@k != 'v2']"},
    {"//a[b]", "//a[b]"},
    {"//a[b = 'v3']", "//a[b = 'v3']"},
    {"//c[. = 'v2']", "//c[. = 'v2']"},
    {"r/a/@k", "r/a/@k"},
    {"//@k", "//@k"},
    {"//a | //c", "//a | //c"},
    {"//b/..", "//b/.."},
    {"//a[@k='v1' and c]", "//a[@k='v1' and c]"},
    {"//a[@k='v1' or c]", "//a[@k='v1' or c]"},
    {"//b/text()", "//b/text()"},
};

std::string Identify(const Selection& selection) {
    std::string ids;
    for (const IXMLDOMNodePtr& node : selection.nodes) {
        IXMLDOMNamedNodeMapPtr attributes;
        IXMLDOMNodePtr id;
        if (node->get_attributes(&attributes) == S_OK &&
            attributes->getNamedItem(Bstr("id"), &id) == S_OK) {
            ids += ValueOf(id) + " ";
        } else {
            ids += NameOf(node) + "=" + ValueOf(node) + " ";
        }
    }
    return ids;
}

TEST(XslPatternDifferential, EquivalentPatternsSelectTheSameNodes) {
    ComScope com;
    std::mt19937 random(20261205);
    for (int round = 0; round < 25; ++round) {
        const std::string text = GenerateDocument(random);
        IXMLDOMDocument2Ptr document = Load(text);
        for (const auto& [pattern, xpath] : Equivalents) {
            const Selection byPattern = Select(document, document, "XSLPattern", pattern);
            const Selection byXPath = Select(document, document, "XPath", xpath);
            ASSERT_EQ(byPattern.status, S_OK) << pattern;
            ASSERT_EQ(byXPath.status, S_OK) << xpath;
            EXPECT_EQ(Identify(byPattern), Identify(byXPath)) << pattern << " on " << text;
        }
    }
}

} // namespace
