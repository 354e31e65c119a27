// The command line of the veritor tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace veritor::tool {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where queries come from, in the order the command line gives them.
struct QuerySource {
    enum class Kind { Text, File } kind = Kind::Text;
    std::string value; // the query, or the file name ("-": standard input)
};

struct Options {
    std::vector<QuerySource> sources;
    std::vector<std::string> plugins;
    bool noPlugin = false;
    std::optional<std::size_t> maxValues; // unset: the host's default
    bool noFiles = false;
    std::optional<std::uint64_t> maxFileBytes; // unset: the host's default
    bool types = false;
    bool json = false;
    bool vocabulary = false;
    bool markdown = false; // the vocabulary as a Markdown document
    bool help = false;
};

// Throws UsageError.
Options ParseOptions(const std::vector<std::string>& arguments);

// Whether the queries, or some of them, are read from standard input, which
// then is not there for "file".
bool QueriesFromStandardInput(const Options& options);

// What -h prints.
extern const char* const usageText;
// The line under a usage error.
extern const char* const usageHint;

} // namespace veritor::tool
