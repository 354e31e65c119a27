// The XML vocabulary through the built tool: nodes shown as their "xml",
// values, and failures as the tool reports them.
#include "tests/support/Process.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

// One shell word holding the query as the tool receives it.
std::string Quoted(std::string_view query) {
    std::string word = "'";
    for (char c : query) {
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return word + "'";
}

// What the tool shows for each query: the values, or the failure (exit
// status 1) on standard error.
TEST(XmlTool, ShowsValuesOrTheFailure) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(node type of xml document of "<r/>")", "9\n"},
        {R"(node names of child nodes of first child of xml document of "<r><a/>t<!--c--></r>")",
         "a\n#text\n#comment\n"},
        {R"(node value of attribute "b" of first child of xml document of "<r a=\"1\" b=\"2\"/>")",
         "2\n"},
        {R"(number of attributes of first child of xml document of "<r a=\"1\" b=\"2\"/>")", "2\n"},
        {R"((selects "r/item[1]" of xml document of "<r><item>x</item><item>y</item></r>") as text)",
         "y\n"},
        {R"((xpaths "//item[1]" of xml document of "<r><item>x</item><item>y</item></r>") as text)",
         "x\n"},
        {R"(number of xpaths ("xmlns:p='urn:x'", "//p:b") of xml document of "<a xmlns=\"urn:x\"><b/><b/></a>")",
         "2\n"},
        {R"(xml document of "<r>a<b>c</b></r>" as text)", "ac\n"},
        {R"(node name of parent node of first child of first child of xml document of "<a><b/></a>")",
         "a\n"},
        {R"(first child of xml document of "<r><a/></r>")", "<r><a/></r>\n"},
        {R"(xml document of "<a>")", "error: no value\n"},
        {R"(node value of first child of xml document of "<r/>")",
         "error: Windows Error: Type mismatch.\n"},
        {R"(attributes of first child of first child of xml document of "<r>t</r>")",
         "error: Windows Error: Invalid pointer\n"},
    };
    for (const auto& [query, shown] : cases) {
        const ProcessOutcome run = RunVeritor(Quoted(query));
        const bool failed = std::string_view(shown).starts_with("error: ");
        EXPECT_EQ(run.status, failed ? 1 : 0) << query;
        EXPECT_EQ(failed ? run.err : run.out, shown) << query;
    }
}

TEST(XmlTool, GivesAFailureInJsonAsAnEvaluationError) {
    const ProcessOutcome run =
        RunVeritor("--json " + Quoted(R"(node value of xml document of "<r/>")"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, R"({"query":"node value of xml document of \"<r/>\"","error":)"
                       R"({"kind":"evaluation","message":"Windows Error: Type mismatch."}})"
                       "\n");
}

} // namespace
