// The core vocabulary through the built tool: what it prints and how it
// exits.
#include "tests/support/Process.h"

#include <gtest/gtest.h>

namespace {

TEST(CoreInspectorsTool, PrintsTheValuesOfCoreQueries) {
    struct Case {
        const char* arguments;
        const char* out;
    };
    const Case cases[] = {
        {"'product of (2; 3; 7)'", "42\n"},
        {"'mean of (1; 2; 3; 4)'", "2.5\n"},
        {"'standard deviation of (2; 4; 4; 4; 5; 5; 7; 9)'", "2\n"},
        {"'numeric value of \"abc12def34\"'", "12\n"},
        {"'\"  a b  \" as trimmed string'", "a b\n"},
        {"'(rope \"ab\" & \"cd\") as string'", "abcd\n"},
        {"'rope \"abc\" & \"def\" contains \"cd\"'", "true\n"},
    };
    for (const Case& c : cases) {
        const ProcessOutcome run = RunVeritor(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST(CoreInspectorsTool, ReportsAnOverflowingProductAsNoValue) {
    const ProcessOutcome run = RunVeritor("'product of (4294967296; 4294967296)'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "error: no value\n");
}

TEST(CoreInspectorsTool, ShowsTheStatusFlagsOfAFloatingPointResultInJson) {
    const ProcessOutcome run = RunVeritor("--json 'standard deviation of (0.1; 0.1; 0.1)'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(R"("values":["nan"])"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("invalid")"), std::string::npos) << run.out;
}

} // namespace
