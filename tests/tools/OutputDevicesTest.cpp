// The tool against devices that refuse its output or never end its input:
// output that is lost is an error, endless input is refused within bounded
// memory. The devices are the system's own, so a system without a shell
// for them skips this.
#include "tests/support/Process.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Row {
    std::string commandLine; // {tool} stands for the built tool
    std::string err;
    int status;
};

std::vector<Row> Rows() {
    const std::string full = "No space left on device";
    return {
        {"{tool} --vocabulary >/dev/full", "error: cannot write the output: " + full + "\n", 2},
        // Refused holding the limit and a piece, well under twice the
        // limit: the memory of the run is bounded to 1 GiB.
        {"{tool} --max-file-bytes 600000000 'length of file \"/dev/zero\"'",
         "error: cannot read \"/dev/zero\": larger than the limit of 600000000 bytes\n", 1},
        {"head -c 300000000 /dev/zero | {tool} --max-file-bytes 300000000 "
         "'length of file \"-\"' 'length of file \"-\"' >/dev/null",
         "", 0},
    };
}

TEST(ToolOnDevices, ReportsLostOutputAndRefusesEndlessInput) {
    if (RunProcess("test -w /dev/full && test -r /dev/zero").status != 0) {
        GTEST_SKIP() << "no /dev/full and /dev/zero to run the tool against";
    }
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // Sanitizers reserve vast address ranges up front.
    const std::string bound;
#else
    const std::string bound = "ulimit -v 1048576 && ";
#endif
    for (const Row& row : Rows()) {
        std::string commandLine = row.commandLine;
        commandLine.replace(commandLine.find("{tool}"), 6,
                            std::string(VERITOR_TOOL_DIRECTORY) + "/veritor");
        const ProcessOutcome run = RunProcess(bound + commandLine);
        EXPECT_EQ(run.status, row.status) << row.commandLine;
        EXPECT_EQ(run.err, row.err) << row.commandLine;
    }
}

} // namespace
