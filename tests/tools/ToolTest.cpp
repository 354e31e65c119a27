// The tool as its users see it: what it prints where, and its exit status.
#include "tools/veritor/Tool.h"

#include "tests/support/Process.h"
#include "tools/veritor/Interactive.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace {

// The tool in this process, with streams of its own.
ProcessOutcome Tool(std::vector<std::string> arguments, const std::string& input = "") {
    arguments.insert(arguments.begin(), "--no-plugin");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    veritor::tool::Environment environment;
    environment.in = &in;
    environment.out = &out;
    environment.err = &err;
    int status = veritor::tool::RunTool(arguments, environment);
    return {status, out.str(), err.str()};
}

TEST(Tool, PrintsEachValueOnItsOwnLine) {
    ProcessOutcome run = Tool({"\"a\" & \"b\"", "-e", "(1; 2)", "()"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ab\n1\n2\n");
    EXPECT_EQ(run.err, "");
}

TEST(Tool, ExitsWithTheWorstOutcome) {
    struct Case {
        std::vector<std::string> queries;
        int status;
    };
    for (const Case& c : {Case{{"1"}, 0}, Case{{"1 / 0"}, 1}, Case{{"1 +"}, 2},
                          Case{{"1 / 0", "1 + \"a\"", "2"}, 2}, Case{{"2", "1 / 0"}, 1}}) {
        EXPECT_EQ(Tool(c.queries).status, c.status) << c.queries[0];
    }
}

TEST(Tool, ShowsWhereASyntaxErrorIs) {
    ProcessOutcome run = Tool({"1 +\t+ 2"});
    EXPECT_EQ(run.err, "error: unexpected \"+\"\n  1 +\t+ 2\n     \t^\n");
}

TEST(Tool, PrefixesTypesOnRequest) {
    EXPECT_EQ(Tool({"--types", "(1, \"x\")", "2.5"}).out,
              "( integer, string ): 1, x\nfloating point: 2.5\n");
}

TEST(Tool, WritesOneJsonObjectPerQuery) {
    ProcessOutcome run = Tool({"--json", "1 + 1", "1 +"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out,
              "{\"query\":\"1 + 1\",\"type\":\"integer\",\"plural\":false,\"values\":[2]}\n"
              "{\"query\":\"1 +\",\"error\":{\"kind\":\"syntax\",\"message\":"
              "\"unexpected end of query\",\"position\":3}}\n");
    EXPECT_EQ(run.err, "");
}

TEST(Tool, ReadsQueriesFromStandardInputSkippingCommentsAndBlankLines) {
    ProcessOutcome run = Tool({"-f", "-"}, "# a comment\n1 + 1\n\n   \n  # another\n\"x\"\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2\nx\n");
    // With no query and no terminal, standard input is read the same way.
    EXPECT_EQ(Tool({}, "3\n").out, "3\n");
}

TEST(Tool, ReadsQueryFiles) {
    std::string path = testing::TempDir() + "veritor-queries-" + std::to_string(getpid());
    std::ofstream(path) << "1\n# skip\n2 * 3\n";
    EXPECT_EQ(Tool({"-f", path}).out, "1\n6\n");
    EXPECT_EQ(Tool({"-f", path + ".missing"}).status, 2);
}

TEST(Tool, ListsTheVocabulary) {
    ProcessOutcome table = Tool({"--vocabulary"});
    EXPECT_NE(table.out.find("property"), std::string::npos);
    EXPECT_NE(table.out.find("length / lengths"), std::string::npos);
    ProcessOutcome json = Tool({"--vocabulary", "--json"});
    EXPECT_NE(json.out.find("{\"kind\":\"cast\",\"name\":\"integer\",\"index\":\"\","
                            "\"operand\":\"string\",\"result\":\"integer\",\"library\":\"host\"}"),
              std::string::npos)
        << json.out;
}

TEST(Tool, ReportsUsageErrorsWithStatusTwo) {
    ProcessOutcome run = Tool({"--frobnicate"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("error: unknown option --frobnicate\nusage:"));
    std::ostringstream out, err;
    std::istringstream in;
    veritor::tool::Environment environment{&in, &out, &err, false, "", {}};
    EXPECT_EQ(veritor::tool::RunTool({"--plugin", "/nonexistent.so", "1"}, environment), 2);
    EXPECT_TRUE(err.str().starts_with("error: cannot load inspector library"));
}

TEST(Completion, CompletesMultiWordNamesFromAnyWordStart) {
    std::vector<std::string> names = {"numeric value", "number of", "html", "html tag"};
    using veritor::tool::Completions;
    EXPECT_EQ(Completions("conjunction of numeric v", names),
              (std::vector<std::string>{"conjunction of numeric value"}));
    EXPECT_EQ(Completions("num", names), (std::vector<std::string>{"numeric value", "number of"}));
    EXPECT_EQ(Completions("ht", names), (std::vector<std::string>{"html", "html tag"}));
    EXPECT_TRUE(Completions("zzz", names).empty());
}

// The built tool, with its inspector library beside it: values of library
// types, and the status flags of a library's floating-point result.
TEST(ToolProcess, EvaluatesWithTheInspectorLibraryBesideIt) {
    const struct {
        const char* arguments;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {"'conjunction of (true; false)' 'number of (1; 2; 3)' '\"a\" & \"b\"'", 0,
         "false\n3\nab\n", ""},
        {"'(rope \"ab\" & \"cd\") as string'", 0, "abcd\n", ""},
        {"--json 'standard deviation of (0.1; 0.1; 0.1)'", 0,
         R"j({"query":"standard deviation of (0.1; 0.1; 0.1)","type":"floating point",)j"
         R"j("plural":false,"values":["nan"],"flags":[["inexact","invalid"]]})j"
         "\n",
         ""},
        {"'1 / 0'", 1, "", "error: no value\n"},
    };
    for (const auto& c : cases) {
        const ProcessOutcome run = RunVeritor(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.out, c.out) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
    }
}

TEST(ToolProcess, ListsTheVocabularyAsDocsVocabularyMdHasIt) {
    std::ifstream file(VERITOR_VOCABULARY_DOCUMENT);
    std::string checkedIn(std::istreambuf_iterator<char>(file), {});
    ProcessOutcome run = RunVeritor("--vocabulary --markdown");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, checkedIn)
        << "docs/vocabulary.md differs from the live vocabulary: regenerate it with "
           "scripts/vocabulary.sh";
}

} // namespace

namespace {

TEST(Tool, PromptsOnATerminalAndEndsItWithoutFailing) {
    std::istringstream in;
    std::ostringstream out, err;
    std::vector<std::string> lines = {"1 + 1", "1 +", "1 / 0"};
    veritor::tool::Environment environment{
        &in, &out, &err, true, "", [&](const std::function<void(const std::string&)>& evaluate) {
            for (const auto& line : lines) {
                evaluate(line);
            }
        }};
    EXPECT_EQ(veritor::tool::RunTool({"--no-plugin"}, environment), 0);
    EXPECT_EQ(out.str(), "2\n");
    EXPECT_NE(err.str().find("error: no value"), std::string::npos);
}

} // namespace
