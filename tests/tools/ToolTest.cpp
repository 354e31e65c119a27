// The tool as its users see it: for each command line, exactly what it
// prints where, and its exit status (0 when every query succeeded, 1 when one
// had no value or failed in evaluation, 2 for usage, syntax or type errors).
#include "tools/veritor/Tool.h"

#include "tests/support/Process.h"
#include "tests/support/WineDifferences.h"
#include "tools/veritor/Interactive.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace {

struct Row {
    std::vector<std::string> arguments; // {file} stands for the input file
    std::string out, err = "";          // ending in "...": the start of what is printed
    int status = 0;
    std::string file = ""; // when given, the file {file} (in any argument) names, and
                           // standard input
};

// `text` repeated, between `before` and `after`; appended, since GCC 12
// warns falsely (-Wrestrict) of `"literal" + std::string`.
std::string Repeated(const std::string& text, int times, std::string_view before = "",
                     std::string_view after = "") {
    std::string all(before);
    while (times-- > 0) {
        all += text;
    }
    return all.append(after);
}

// None of the documents below holds a quotation mark or a backslash.
std::string Document(const std::string& xml) {
    return std::string("xml document of \"").append(xml) + "\"";
}

std::string BillionLaughs() {
    std::string text = "<!DOCTYPE b [<!ENTITY e0 'lol'>";
    for (int level = 1; level <= 9; ++level) {
        const std::string previous = std::string("&e").append(std::to_string(level - 1)) + ";";
        text.append("<!ENTITY e").append(std::to_string(level)).append(" '");
        text.append(Repeated(previous, 10)).append("'>");
    }
    return text + "]><b>&e9;</b>";
}

// A usage error: the message, then one line that points to --help.
Row Refused(std::vector<std::string> arguments, const std::string& message) {
    return {std::move(arguments), "",
            std::string("error: ").append(message) +
                "\nusage: veritor [options] [QUERY...]; veritor --help lists the options\n",
            2};
}

// The checked-in vocabulary, with the inspector library under its file name
// on this system.
std::string VocabularyDocument() {
    std::ifstream file(VERITOR_VOCABULARY_DOCUMENT, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(file), {});
    const std::string documented = "libinspectors.so";
    for (auto at = text.find(documented); at != std::string::npos; at = text.find(documented, at)) {
        text.replace(at, documented.size(), VERITOR_PLUGIN_FILE_NAME);
        at += std::string_view(VERITOR_PLUGIN_FILE_NAME).size();
    }
    return text;
}

std::vector<Row> Rows() {
    return {
        // Values, each on its own line; the worst outcome decides the status.
        {{"\"a\" & \"b\"", "-e", "(1; 2)", "()"}, "ab\n1\n2\n"},
        // Among several queries an error names its query, or its file and
        // line; a syntax or type error shows its query under it.
        {{"1 / 0", "1 + \"a\"", "2"},
         "2\n",
         "error: \"1 / 0\": no value\nerror: no operator \"+\" for integer and string\n  1 + "
         "\"a\"\n    ^\n",
         2},
        {{"1", Repeated("é", 22, "\"", "\" as integer")},
         "1\n",
         Repeated("é", 19, "error: \"\"", "...\": no value\n"),
         1},
        {{"-f", "{file}"},
         "1\n",
         "error: {file}:3: no value\nerror: {file}:4: unexpected end of query\n  1 +\n     ^\n",
         2,
         "\xEF\xBB\xBF"
         "1\n\n1 / 0\n1 +\n"},
        // Queries from files and standard input, in command-line order.
        {{"-f", "-"}, "2\nx\n", "", 0, "# a comment\n1 + 1\n\n   \n  # another\n\"x\"\r\n"},
        {{}, "3\n", "", 0, "3\n"},
        {{"1", "-e", "2", "-f", "{file}", "--types", "-3", "--", "--json"},
         "integer: 1\ninteger: 2\ninteger: 4\ninteger: -3\n",
         "error: unknown name \"json\"\n  --json\n    ^\n",
         2,
         "# 9\n2 * 2\n"},
        // A query file that cannot be read ends the run, as "file" words it.
        {{"-f", "/nonexistent"},
         "",
         "error: cannot read \"/nonexistent\": No such file or directory\n",
         2},
        {{"-f", "."}, "", "error: cannot read \".\": Is a directory\n", 2},
        // Standard input holds either the queries or a document. A query
        // that names it for "file", wherever it comes from, stops the run
        // before anything is evaluated; a name computed in evaluation stops
        // it at its turn. Other errors keep their turn, even with every
        // query read ahead.
        {{},
         "",
         "error: <stdin>:2: cannot read \"-\": standard input holds the queries; name a file "
         "instead\n"
         "  number of files of (\"a\"; (\"b\"; \"-\"))\n"
         "                                 ^\n",
         2,
         "2\nnumber of files of (\"a\"; (\"b\"; \"-\"))\n"},
        {{"-f", "-", "length of file \"-\""},
         "",
         "error: cannot read \"-\": standard input holds the queries; name a file instead\n"
         "  length of file \"-\"\n                 ^\n",
         2,
         "1\n"},
        {{"-f", "-"},
         "1\n",
         "error: <stdin>:2: cannot read \"-\": standard input holds the queries; name a file "
         "instead\n",
         2,
         "1\nfile (\"-\" & \"\")\n3\n"},
        {{"-f", "-", "-f", "/nonexistent", "4"},
         "1\n3\n",
         "error: <stdin>:2: unexpected end of query\n  1 +\n     ^\n"
         "error: cannot read \"/nonexistent\": No such file or directory\n",
         2,
         "1\n1 +\n3\n"},
        // Files and standard input inside queries: every byte as it is,
        // standard input read once and shared.
        {{"number of xpaths \"//i\" of xml document of file \"-\"", "length of file \"-\"",
          "file \"{file}\" = file \"-\""},
         "2\n25\ntrue\n",
         "",
         0,
         "<r><i>1</i>\r\n<i>2</i></r>"},
        {{"--max-file-bytes", "1", "length of file \"{file}\""},
         "",
         "error: cannot read \"{file}\": larger than the limit of 1 byte\n",
         1,
         "abc"},
        {{"--no-files", "file \"x\""}, "", "error: unknown name \"file\"...", 2},
        // JSON: one object per query, exact numbers, flags, bytes that are not
        // UTF-8 replaced and said to be.
        {{"--json", "1 / 0"},
         R"j({"query":"1 / 0","error":{"kind":"no value","message":"no value"}})j"
         "\n",
         "",
         1},
        {{"--json", R"("\"\\\n\r\t\0\x01\x7f é")"},
         R"j({"query":"\"\\\"\\\\\\n\\r\\t\\0\\x01\\x7f é\"","type":"string","plural":false,)j"
         R"j("values":["\"\\\n\r\t\u0000\u0001\u007f é"]})j"
         "\n"},
        {{"--json", R"((-5, "a\xC0\xAF", false))"},
         R"j({"query":"(-5, \"a\\xC0\\xAF\", false)","type":"( integer, string, boolean )",)j"
         "\"plural\":false,\"values\":[[-5,\"a\xEF\xBF\xBD\xEF\xBF\xBD\",false]],\"lossy\":true}"
         "\n"},
        {{"--json", "(0.1; 1.0 / 0.0; -1e300; -1e300 * 1e10)"},
         R"j({"query":"(0.1; 1.0 / 0.0; -1e300; -1e300 * 1e10)","type":"floating point",)j"
         R"j("plural":true,"values":[0.1,"inf",-1e+300,"-inf"],)j"
         R"j("flags":[[],["division by zero"],[],["inexact","overflow"]]})j"
         "\n"},
        {{"--json", "standard deviation of (0.1; 0.1; 0.1)"},
         R"j({"query":"standard deviation of (0.1; 0.1; 0.1)","type":"floating point",)j"
         R"j("plural":false,"values":["nan"],"flags":[["inexact","invalid"]]})j"
         "\n"},
        {{"--json", R"(node value of xml document of "<r/>")"},
         R"j({"query":"node value of xml document of \"<r/>\"","error":)j"
         R"j({"kind":"evaluation","message":"Windows Error: Type mismatch."}})j"
         "\n",
         "",
         1},
        // The vocabulary; docs/vocabulary.md is the live one (scripts/vocabulary.sh
        // writes it).
        {{"--vocabulary", "--markdown"}, VocabularyDocument()},
        {{"--no-plugin", "--vocabulary"},
         "kind       name                index   operand                         result          "
         "library\ntype       boolean  ..."},
        {{"--no-plugin", "--vocabulary", "--json"},
         R"j({"kind":"type","name":"boolean","index":"","operand":"","base":"","library":"host"})j"
         "\n..."},
        // Usage errors.
        Refused({"-V"}, "unknown option -V"),
        Refused({"--jsno", "1"}, "unknown option --jsno (did you mean --json?)"),
        Refused({"--max-values", "18446744073709551616"},
                "--max-values 18446744073709551616 is too large: at most " +
                    std::to_string(SIZE_MAX)),
        Refused({"-f", "-", "-f", "-"}, "-f - is given twice: standard input is read once"),
        Refused({"-e"}, "-e needs a value"),
        Refused({"--max-file-bytes", "0"},
                "--max-file-bytes needs a positive whole number, not \"0\""),
        Refused({"--max-file-bytes", "4294967296"},
                "--max-file-bytes 4294967296 is too large: at most 4294967295"),
        Refused({"--no-plugin", "--plugin", "x.so"}, "--no-plugin and --plugin exclude each other"),
        Refused({"--markdown"}, "--markdown goes with --vocabulary and without --json"),
        Refused({"--vocabulary", "--json", "--markdown"},
                "--markdown goes with --vocabulary and without --json"),
        {{"--plugin", VERITOR_INSPECTORS_PATH, "--plugin", "/nonexistent.so", "1"},
         "",
         // The rest is the system loader's own words.
         "error: cannot load inspector library: /nonexistent.so: ...",
         2},
        {{"--plugin", VERITOR_SILENT_LIBRARY, "1"},
         "",
         "error: cannot load inspector library: " VERITOR_SILENT_LIBRARY
         ": registers no vocabulary: not an inspector library\n",
         2},
        {{"attr list of (\"a\", \"b\")"}, "<html attribute list>\n"},
    };
}

// Hostile XML: an entity bomb and a huge text, each a plain answer within
// bounded memory (depth and external entities are the XML loader's tests',
// bytes that are not UTF-8 the code pages').
std::vector<Row> HostileRows() {
    const std::string text(50 * 1024 * 1024, 'x'); // 50 MB
    return {
        {{"-f", "{file}"}, "", "error: {file}:1: no value\n", 1, Document(BillionLaughs()) + "\n"},
        {{"-f", "{file}"},
         std::to_string(text.size()) + "\n",
         "",
         0,
         "length of ((" + Document("<a>" + text + "</a>") + ") as text)\n"},
    };
}

// Equal, or starting alike when `expected` ends in "...".
bool Alike(const std::string& actual, const std::string& expected) {
    return expected.ends_with("...") ? actual.starts_with(expected.substr(0, expected.size() - 3))
                                     : actual == expected;
}

std::string WithFile(std::string text, const std::string& file) {
    for (std::size_t at; (at = text.find("{file}")) != std::string::npos;) {
        text.replace(at, 6, file);
    }
    return text;
}

void Check(const std::vector<Row>& rows) {
    const std::string file = TemporaryFile("veritor-input");
    for (const Row& row : rows) {
        std::vector<std::string> arguments;
        std::string shown;
        for (const std::string& argument : row.arguments) {
            arguments.push_back(WithFile(argument, file));
            shown.append(arguments.back()).append(" ");
        }
        if (!row.file.empty()) {
            std::ofstream(file, std::ios::binary) << row.file;
            shown.append("<").append(file);
        }
        if (WineDifference(shown + row.file) != nullptr) {
            continue;
        }
        const ProcessOutcome run = RunVeritor(arguments, row.file.empty() ? "" : file);
        shown = shown.substr(0, 300);
        EXPECT_EQ(run.status, row.status) << shown;
        EXPECT_PRED2(Alike, run.out, AsTheSystemWordsIt(WithFile(row.out, file))) << shown;
        EXPECT_PRED2(Alike, run.err, AsTheSystemWordsIt(WithFile(row.err, file))) << shown;
    }
    std::remove(file.c_str());
}

TEST(ToolProcess, PrintsExactlyThisAndExitsSo) {
    Check(Rows());
}

// Apart, so that the tsan preset can leave it out: a single thread through
// 50 MB of text takes minutes under ThreadSanitizer.
TEST(HostileXmlThroughTheTool, EndsInAPlainAnswerWithinBoundedMemory) {
    Check(HostileRows());
}

// At a terminal, each line is evaluated as it comes and errors do not end
// the session with a failure.
TEST(Tool, PromptsOnATerminalAndEndsItWithoutFailing) {
    std::istringstream in;
    std::ostringstream out, err;
    const veritor::tool::Environment environment{
        &in, &out, &err, true, "", [](const std::function<void(const std::string&)>& evaluate) {
            for (const char* line : {"1 + 1", "1 +", "1 / 0"}) {
                evaluate(line);
            }
        }};
    EXPECT_EQ(veritor::tool::RunTool({"--no-plugin"}, environment), 0);
    EXPECT_EQ(out.str(), "2\n");
    EXPECT_NE(err.str().find("error: no value"), std::string::npos);
}

TEST(Completion, CompletesMultiWordNamesFromAnyWordStart) {
    const std::vector<std::string> names = {"numeric value", "number of", "html", "html tag"};
    using veritor::tool::Completions;
    EXPECT_EQ(Completions("conjunction of numeric v", names),
              (std::vector<std::string>{"conjunction of numeric value"}));
    EXPECT_EQ(Completions("num", names), (std::vector<std::string>{"numeric value", "number of"}));
    EXPECT_EQ(Completions("ht", names), (std::vector<std::string>{"html", "html tag"}));
    EXPECT_TRUE(Completions("zzz", names).empty());
}

} // namespace
