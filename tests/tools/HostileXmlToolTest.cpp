// Documents meant to hurt, through the built tool with its memory bounded:
// each ends in a plain answer, reads nothing it is pointed at and stays
// within the bound.
#include "tests/support/Process.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

// Texts joined by appending (GCC 12 warns wrongly about "text" + string).
template <class... Parts>
std::string Join(const Parts&... parts) {
    std::string text;
    (text += ... += parts);
    return text;
}

// The query-language literal of `text`.
std::string Literal(const std::string& text) {
    std::string literal = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            literal += '\\';
        }
        literal += c;
    }
    return literal + "\"";
}

std::string Document(const std::string& text) {
    return Join("xml document of ", Literal(text));
}

std::string BillionLaughs() {
    std::string text = "<!DOCTYPE b [<!ENTITY e0 'lol'>";
    for (int level = 1; level <= 9; ++level) {
        text += Join("<!ENTITY e", std::to_string(level), " '");
        for (int i = 0; i < 10; ++i) {
            text += Join("&e", std::to_string(level - 1), ";");
        }
        text += "'>";
    }
    return text + "]><b>&e9;</b>";
}

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "<n>";
    }
    for (int i = 0; i < depth; ++i) {
        text += "</n>";
    }
    return text;
}

struct Hostile {
    const char* name;
    std::string options;
    std::string query; // one line of a query file
    int status;
    std::string out;
    std::string err;
};

TEST(HostileXmlThroughTheTool, EndsInAPlainAnswerWithinBoundedMemory) {
    const std::string secretPath = testing::TempDir() + "veritor-hostile-secret.txt";
    std::ofstream(secretPath) << "SECRET";
    const std::string bigText(50 * 1024 * 1024, 'x');
    const Hostile cases[] = {
        {"billion laughs", "", Document(BillionLaughs()), 1, "", "error: no value\n"},
        // Left an empty entity reference, as external entities are not read.
        {"external entity naming a local file", "",
         Join("(", Document(Join("<!DOCTYPE r [<!ENTITY e SYSTEM '", secretPath, "'>]><r>&e;</r>")),
              ") as text"),
         0, "\n", ""},
        {"10,000 nested elements", "", Document(Nested(10000)), 1, "", "error: no value\n"},
        {"50 MB of text", "",
         Join("length of ((", Document(Join("<a>", bigText, "</a>")), ") as text)"), 0,
         Join(std::to_string(bigText.size()), "\n"), ""},
        {"bytes that are not UTF-8", "", Join("(", Document("<a>\xFF\xFE</a>"), ") as text"), 0,
         "\xEF\xBF\xBD\xEF\xBF\xBD\n", ""},
        {"more children than allowed", "--max-values 2",
         Join("node names of child nodes of first child of ", Document("<r><a/><b/><c/></r>")), 1,
         "", "error: too many values: more than 2 in one expression\n"},
    };
    const std::string queryPath = testing::TempDir() + "veritor-hostile-query.txt";
    for (const Hostile& c : cases) {
        std::ofstream(queryPath, std::ios::binary) << c.query << '\n';
        const ProcessOutcome run = RunVeritorWithin(1024 * 1024, c.options + " -f " + queryPath);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_EQ(run.err, c.err) << c.name;
    }
    std::remove(queryPath.c_str());
    std::remove(secretPath.c_str());
}

} // namespace
