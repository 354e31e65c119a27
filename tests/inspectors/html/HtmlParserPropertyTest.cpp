// What the html vocabulary writes reads back through a real HTML parser
// (libxml2's) as what it was given: the text of an element, for random texts
// long enough to take the escaping's block-wise passes. (Attribute values
// go through the same escaping; the attribute list's own layout is pinned
// by the html values test.)
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
    static const std::string others[] = {
        "\t", "\n", "\xc3\xa9", "\xd0\xb6", "\xe2\x82\xac", "\xe4\xb8\xad", "\xf0\x9f\x98\x80"};
    std::string text;
    for (auto n = random() % 150; n > 0; --n) {
        text += random() % 4 != 0 ? std::string(1, static_cast<char>(0x20 + random() % 95))
                                  : others[random() % std::size(others)];
    }
    return text;
}

std::string Content(const xmlNode* node) {
    const std::unique_ptr<xmlChar, void (*)(void*)> content(xmlNodeGetContent(node), xmlFree);
    return reinterpret_cast<const char*>(content.get());
}

// The body of `markup` read as an HTML document: the names and texts of its
// nodes.
std::vector<std::pair<std::string, std::string>> ParsedInBody(const std::string& markup) {
    const std::string text = "<!DOCTYPE html><html><body>" + markup + "</body></html>";
    const std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> document(
        htmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, "UTF-8",
                       HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING),
        xmlFreeDoc);
    const xmlNode* first = xmlDocGetRootElement(document.get())->children->children;
    std::vector<std::pair<std::string, std::string>> parsed;
    for (const xmlNode* node = first; node != nullptr; node = node->next) {
        parsed.emplace_back(reinterpret_cast<const char*>(node->name), Content(node));
    }
    return parsed;
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
            const std::string markup = Text(Evaluate(call, nullptr, Operand("string", text)));
            using Parsed = std::vector<std::pair<std::string, std::string>>;
            ASSERT_EQ(ParsedInBody(markup), (Parsed{{element, text}})) << markup;
        }
        ReleaseValues();
    }
}

} // namespace
