#include "tools/veritor/QuerySources.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace veritor::tool {

namespace {

namespace fs = std::filesystem;

// What errors call standard input when it holds the queries.
constexpr const char* standardInputName = "<stdin>";

// The start of a long query, cut at a character boundary.
std::string Shortened(std::string_view query) {
    constexpr std::size_t shown = 40;
    if (query.size() <= shown + 3) {
        return std::string(query);
    }
    std::size_t end = shown;
    while (end > 0 && (static_cast<unsigned char>(query[end]) & 0xC0) == 0x80) {
        --end;
    }
    std::string start(query.substr(0, end));
    return start.append("...");
}

// Among several queries on the command line, an evaluation error names its
// query; a syntax or type error shows it anyway.
Place ArgumentPlace(const std::string& query, bool several) {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) of `"\"" + text`.
    std::string name;
    if (several) {
        name.append(1, '"').append(Shortened(query)).append(1, '"');
    }
    return {name, false};
}

// One query per non-empty line; lines whose first visible character is '#'
// are comments. `name` is what errors call the file.
void ReadLines(std::istream& in, const std::string& name, const QuerySink& sink) {
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        // An editor's byte-order mark is no part of the first query.
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.erase(0, 3);
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        sink(line, {name + ":" + std::to_string(number), true});
    }
}

// Reads the queries of the file `name`, as "file" would read it.
void ReadFile(const std::string& name, const QuerySink& sink) {
    const fs::path path(
        std::u8string_view(reinterpret_cast<const char8_t*>(name.data()), name.size()));
    std::error_code statusError;
    std::string reason;
    if (fs::is_directory(path, statusError)) {
        reason = std::make_error_code(std::errc::is_a_directory).message();
    } else {
        errno = 0;
        std::ifstream file(path, std::ios::binary);
        if (file) {
            ReadLines(file, name, sink);
            if (!file.bad()) {
                return;
            }
        }
        reason = std::generic_category().message(errno != 0 ? errno : ENOENT);
    }
    throw UsageError("cannot read \"" + name + "\": " + reason);
}

} // namespace

void ReadQueries(const Options& options, std::istream& in, bool implicitInput,
                 const QuerySink& sink) {
    const bool several = options.sources.size() > 1;
    for (const QuerySource& source : options.sources) {
        if (source.kind == QuerySource::Kind::Text) {
            sink(source.value, ArgumentPlace(source.value, several));
        } else if (source.value == "-") {
            ReadLines(in, standardInputName, sink);
        } else {
            ReadFile(source.value, sink);
        }
    }
    if (implicitInput && options.sources.empty()) {
        ReadLines(in, standardInputName, sink);
    }
}

} // namespace veritor::tool
