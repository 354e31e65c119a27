// What the html vocabulary writes reads back through a real HTML parser
// (libxml2's) as what it was given: the text of an element, and the names
// and values of an attribute list, for random texts.
#include "tests/inspectors/html/HtmlFixture.h"

#include <gtest/gtest.h>
#include <libxml/HTMLparser.h>
#include <memory>
#include <random>

using namespace RecordingHost;

namespace {

// Printable ASCII (the markup characters and the apostrophe among them),
// tabs, line feeds and multi-byte UTF-8 of two, three and four bytes; long
// enough for escaping to work on blocks of bytes as well as byte by byte.
std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> others = {
        "\t", "\n", "\xc3\xa9", "\xd0\xb6", "\xe2\x82\xac", "\xe4\xb8\xad", "\xf0\x9f\x98\x80"};
    std::string text;
    for (auto n = random() % 150; n > 0; --n) {
        text += random() % 4 != 0 ? std::string(1, static_cast<char>(0x20 + random() % 95))
                                  : others[random() % others.size()];
    }
    return text;
}

// The first element of the body of `markup` read as an HTML document, and the
// number of nodes in the body.
struct Parsed {
    std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> document{nullptr, xmlFreeDoc};
    const xmlNode* element = nullptr;
    std::size_t bodyNodes = 0;
};

Parsed ParseInBody(const std::string& markup) {
    const std::string text = "<!DOCTYPE html><html><body>" + markup + "</body></html>";
    Parsed parsed;
    parsed.document.reset(htmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr,
                                         "UTF-8", HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING));
    parsed.element = xmlDocGetRootElement(parsed.document.get())->children->children;
    for (const xmlNode* node = parsed.element; node != nullptr; node = node->next) {
        ++parsed.bodyNodes;
    }
    return parsed;
}

std::string Content(const xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    std::string text(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

using ParsedBack = HtmlVocabulary;

// Tags whose content HTML reads as plain text inside a body: neither document,
// table or list structure nor elements that HTML treats as empty or raw text.
TEST_F(ParsedBack, ElementTextIsTheTextGiven) {
    const std::pair<const char*, const char*> tags[] = {
        {"div", "div"}, {"span", "span"}, {"p", "p"},           {"h1", "h1"},
        {"h6", "h6"},   {"em", "em"},     {"strong", "strong"}, {"code", "code"},
        {"b", "b"},     {"italic", "i"},  {"anchor", "a"},      {"samp", "samp"},
        {"kbd", "kbd"}, {"var", "var"},   {"cite", "cite"},     {"abbr", "abbr"},
        {"q", "q"},     {"tt", "tt"},     {"big", "big"},       {"small", "small"},
    };
    std::mt19937 random(11);
    for (int round = 0; round < 100; ++round) {
        const std::string text = RandomText(random);
        for (const auto& [property, element] : tags) {
            const auto call = Find<PropertyCall>(property, "string", "");
            const std::string markup = Text(Evaluate<Html>(call, nullptr, Operand("string", text)));
            const Parsed parsed = ParseInBody(markup);
            ASSERT_EQ(parsed.bodyNodes, 1u) << markup;
            EXPECT_STREQ(reinterpret_cast<const char*>(parsed.element->name), element);
            EXPECT_EQ(Content(parsed.element), text) << markup;
        }
        ReleaseValues();
    }
}

TEST_F(ParsedBack, AttributeListGivesTheNamesAndValuesGiven) {
    const auto attrList = Find<AggregatePropertyCall>("attr list");
    std::mt19937 random(12);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> names, values;
        std::vector<const void*> pairs;
        for (auto n = random() % 4 + 1; n > 0; --n) {
            names.push_back(static_cast<char>('a' + random() % 26) + std::to_string(n));
            values.push_back(RandomText(random));
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            pairs.push_back(Tuple({Operand("string", names[i]), Operand("string", values[i])}));
        }
        const ConstData attributes = *RunAggregate<HtmlAttributeList>(attrList, pairs);
        const Parsed parsed = ParseInBody("<div " + attributes.AsString() + "></div>");
        std::size_t i = 0;
        for (const xmlAttr* a = parsed.element->properties; a != nullptr; a = a->next, ++i) {
            ASSERT_LT(i, names.size()) << attributes.AsString();
            EXPECT_EQ(reinterpret_cast<const char*>(a->name), names[i]);
            EXPECT_EQ(Content(reinterpret_cast<const xmlNode*>(a)), values[i]);
        }
        EXPECT_EQ(i, names.size()) << attributes.AsString();
        ReleaseValues();
    }
}

} // namespace
