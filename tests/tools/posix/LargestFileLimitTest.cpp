// The largest --max-file-bytes against files of 2 and 4 GiB, made sparse so
// that they take no room: a limit or a size beyond 32 bits is neither
// wrapped nor cut to a 32-bit offset, and a file that fits the limit but not
// the tool's memory is an error, not a crash.
#include "tests/support/Process.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct Case {
    std::uintmax_t size;
    const char* limit;
    std::string err;
};

TEST(LargestFileLimit, FilesBeyondThirtyOneAndThirtyTwoBits) {
    const Case cases[] = {
        {std::uintmax_t{1} << 31, "2147483647", "larger than the limit of 2147483647 bytes"},
        {std::uintmax_t{1} << 32, "4294967295", "larger than the limit of 4294967295 bytes"},
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        // Read only where the tool's memory is bounded below the file's size.
        {(std::uintmax_t{1} << 32) - 1, "4294967295", ""},
#endif
    };
    const std::string path = TemporaryFile("veritor-sparse");
    for (const Case& c : cases) {
        std::ofstream(path).close();
        fs::resize_file(path, c.size);
        const ProcessOutcome run =
            RunVeritor({"--max-file-bytes", c.limit, "length of file \"" + path + "\""});
        EXPECT_EQ(run.status, 1) << c.size;
        EXPECT_EQ(run.out, "") << c.size;
        if (c.err.empty()) {
            // The words are the memory failure's; what matters is that it is one.
            EXPECT_TRUE(run.err.starts_with("error: ")) << run.err;
        } else {
            EXPECT_EQ(run.err, "error: cannot read \"" + path + "\": " + c.err + "\n") << c.size;
        }
    }
    fs::remove(path);
}

} // namespace
