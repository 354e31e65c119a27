// "file" of a string: the bytes of the named file exactly as they are, or an
// evaluation error that names the file and the reason; and none of it unless
// the embedder enabled it.
#include "host/Veritor.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using veritor::ErrorKind;
using veritor::QueryError;

namespace fs = std::filesystem;

// A folder of this test's own, with the files the cases name; "{dir}" in a
// query stands for it.
class Files : public testing::Test {
protected:
    void SetUp() override {
        veritor::EnableFiles(true);
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::path(testing::TempDir()) / (std::string("veritor-files-") + test->name());
        fs::create_directories(dir / "folder");
        Write("odd", std::string("a\0b\r\n\xFF\xFE<\xC3", 9));
        Write("empty", "");
        Write("four", "1234");
    }
    void TearDown() override {
        veritor::EnableFiles(false);
        fs::remove_all(dir);
    }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }

    std::string Query(std::string text) const {
        for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) {
            text.replace(at, 5, dir.generic_string());
        }
        return text;
    }

    fs::path dir;
};

constexpr std::uint64_t byDefault = veritor::Limits().maxFileBytes;

struct Reads {
    const char* query;
    std::vector<std::string> values;
    std::uint64_t maxFileBytes = byDefault;
};

TEST_F(Files, ReadEveryByteAsItIs) {
    for (const Reads& c : {
             Reads{R"(file "{dir}/odd")", {std::string("a\0b\r\n\xFF\xFE<\xC3", 9)}},
             Reads{R"(file "{dir}/empty")", {""}},
             Reads{R"(lengths of files of ("{dir}/four"; "{dir}/empty"; "{dir}/odd"))",
                   {"4", "0", "9"}},
             Reads{R"(file "{dir}/four")", {"1234"}, 4},
             // Above what a string can hold, the limit is what a string can hold.
             Reads{R"(file "{dir}/four")", {"1234"}, UINT64_MAX},
         }) {
        veritor::Limits limits;
        limits.maxFileBytes = c.maxFileBytes;
        const veritor::Result result = veritor::Run(Query(c.query), limits);
        std::vector<std::string> values;
        for (const auto& value : result.values) {
            values.push_back(veritor::RenderText(value));
        }
        EXPECT_EQ(values, c.values) << c.query;
    }
}

#if defined(_WIN32)
constexpr const char* notADirectory = "No such file or directory";
#else
constexpr const char* notADirectory = "Not a directory";
#endif

struct Refuses {
    const char* path; // as written in the query
    std::uint64_t maxFileBytes;
    const char* reason; // after cannot read "<the path>":
};

TEST_F(Files, ThatCannotBeReadAreAnEvaluationError) {
    for (const Refuses& c : {
             Refuses{"{dir}/nope.xml", byDefault, "No such file or directory"},
             Refuses{"", byDefault, "No such file or directory"},
             Refuses{"{dir}/folder", byDefault, "Is a directory"},
             // Windows says a path through a file is not there at all.
             Refuses{"{dir}/four/x", byDefault, notADirectory},
             Refuses{"{dir}/four", 3, "larger than the limit of 3 bytes"},
             Refuses{R"({dir}/four\0.txt)", byDefault, "a file name cannot hold a NUL byte"},
         }) {
        const std::string path = Query(c.path);
        veritor::Limits limits;
        limits.maxFileBytes = c.maxFileBytes;
        try {
            veritor::Run("file \"" + path + "\"", limits);
            ADD_FAILURE() << "no error for " << path;
        } catch (const QueryError& error) {
            EXPECT_EQ(error.Kind(), ErrorKind::Evaluation);
            EXPECT_EQ(error.what(), "cannot read \"" + path + "\": " + c.reason);
        }
    }
}

TEST(FileVocabulary, IsThereOnlyWhileEnabledAndBelongsToTheHost) {
    auto listed = [] {
        for (const auto& entry : veritor::Vocabulary()) {
            if (entry.name == "file") {
                return entry.library;
            }
        }
        return std::string();
    };
    EXPECT_EQ(listed(), "");
    EXPECT_THROW(veritor::Compile("file \"x\""), QueryError);
    veritor::EnableFiles(true);
    veritor::EnableFiles(true);
    EXPECT_EQ(listed(), "host");
    EXPECT_EQ(veritor::Compile("files of (\"a\"; \"b\")").Type(), "string");
    veritor::EnableFiles(false);
    EXPECT_EQ(listed(), "");
}

} // namespace
