// Queries through the tool that test the language's edges: where the caret of
// an error stands in lines of any characters, what a capitalised name is
// taken for, and flat queries far longer than the nesting limit.
#include "tests/support/Process.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct Row {
    std::string query; // one line of a query file
    std::string out, err;
    int status;
};

std::string Chain(const std::string& operand, const std::string& separator, int times) {
    std::string chain = operand;
    for (int i = 1; i < times; ++i) {
        chain.append(separator).append(operand);
    }
    return chain;
}

std::vector<Row> Rows() {
    const std::string sum = Chain("1", " + ", 100000);
    const std::string deep = std::string(300, '(') + "1" + std::string(300, ')');
    return {
        // The caret is under the character at the place: wide characters take
        // two columns, combining marks none, an ill-formed byte one, and tabs
        // stay tabs.
        {"\"\xE6\x97\xA5\xE6\x9C\xAC\" + 1", "",
         "error: no operator \"+\" for string and integer\n"
         "  \"\xE6\x97\xA5\xE6\x9C\xAC\" + 1\n         ^\n",
         2},
        {"\"e\xCC\x81\xC3\xA9\" + 1", "",
         "error: no operator \"+\" for string and integer\n"
         "  \"e\xCC\x81\xC3\xA9\" + 1\n       ^\n",
         2},
        {"\"\xFF\xF0\x9F\x98\x80\"\t+ x", "",
         "error: unknown name \"x\"\n  \"\xFF\xF0\x9F\x98\x80\"\t+ x\n       \t  ^\n", 2},
        {"\xC3\xA9 + 1", "", "error: unexpected byte \\xC3\n  \xC3\xA9 + 1\n  ^\n", 2},
        // Names are lower case.
        {"Length of \"x\"", "",
         "error: unknown name \"Length\"; did you mean \"length\"?\n  Length of \"x\"\n  ^\n", 2},
        // Flat chains and lists are not nesting; parentheses are.
        {sum, "100000\n", "", 0},
        {deep, "", "error: query nested too deeply\n  " + deep + "\n...", 2},
    };
}

TEST(QueryErrors, ShowThePlaceUnderTheRightCharacter) {
    const std::string file = TemporaryFile("veritor-queries");
    for (const Row& row : Rows()) {
        std::ofstream(file, std::ios::binary) << row.query << "\n";
        const ProcessOutcome run = RunVeritor({"--no-plugin", "-f", file});
        const std::string shown = row.query.substr(0, 40);
        EXPECT_EQ(run.status, row.status) << shown;
        EXPECT_EQ(run.out, row.out) << shown;
        if (row.err.ends_with("...")) {
            EXPECT_TRUE(run.err.starts_with(row.err.substr(0, row.err.size() - 3))) << shown;
        } else {
            EXPECT_EQ(run.err, row.err) << shown;
        }
    }
    std::remove(file.c_str());
}

} // namespace
