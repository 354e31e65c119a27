// Errors in queries as the tool shows them: the caret stands under the
// character at the place in lines of any characters.
#include "tests/support/Process.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct Row {
    std::string query; // one line of a query file
    std::string err;
};

std::vector<Row> Rows() {
    return {
        // The caret is under the character at the place: wide characters take
        // two columns, combining marks none, an ill-formed byte one, and tabs
        // stay tabs.
        {"\"e\xCC\x81\xC3\xA9\" + 1", "error: no operator \"+\" for string and integer\n"
                                      "  \"e\xCC\x81\xC3\xA9\" + 1\n       ^\n"},
        {"\"\xFF\xF0\x9F\x98\x80\"\t+ x",
         "error: unknown name \"x\"\n  \"\xFF\xF0\x9F\x98\x80\"\t+ x\n       \t  ^\n"},
        {"\xC3\xA9 + 1", "error: unexpected byte \\xC3\n  \xC3\xA9 + 1\n  ^\n"},
    };
}

TEST(QueryErrors, ShowThePlaceUnderTheRightCharacter) {
    const std::string file = TemporaryFile("veritor-queries");
    for (const Row& row : Rows()) {
        std::ofstream(file, std::ios::binary) << row.query << "\n";
        const ProcessOutcome run = RunVeritor({"--no-plugin", "-f", file});
        const std::string shown = row.query.substr(0, 40);
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        // Errors in a query file name the file and the line first.
        EXPECT_EQ(run.err, "error: " + file + ":1: " + row.err.substr(sizeof "error: " - 1))
            << shown;
    }
    std::remove(file.c_str());
}

} // namespace
