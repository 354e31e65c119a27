#include "tools/veritor/Options.h"

#include "host/Veritor.h"

#include <charconv>

namespace veritor::tool {

namespace {

// A positive whole number in decimal.
template <typename Number = std::size_t>
Number PositiveNumber(const std::string& option, const std::string& text) {
    Number number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || number == 0) {
        throw UsageError(option + " needs a positive whole number, not \"" + text + "\"");
    }
    return number;
}

} // namespace

const char* const usageText =
    "usage: veritor [options] [QUERY...]\n"
    "  -e QUERY          evaluate QUERY (repeatable)\n"
    "  -f FILE           evaluate each non-empty line of FILE ('-': standard input);\n"
    "                    lines starting with '#' are comments\n"
    "  --types           prefix every value with its type\n"
    "  --json            one JSON object per query (or per registration)\n"
    "  --vocabulary      list every registration\n"
    "  --markdown        with --vocabulary: as a Markdown document\n"
    "  --plugin PATH     load an inspector library (repeatable)\n"
    "  --no-plugin       load no inspector library, not even the default one\n"
    "  --max-values N    let one expression produce at most N values (default\n"
    "                    10000000); more is an evaluation error\n"
    "  --no-files        leave out \"file\" (the bytes of a file, \"-\": standard input)\n"
    "  --max-file-bytes N  let \"file\" read at most N bytes (default 1073741824,\n"
    "                    at most 4294967295); more is an evaluation error\n"
    "  -h, --help        show this text\n"
    "With no query, queries are read from standard input: interactively, with\n"
    "line editing and completion, when it is a terminal.\n";

Options ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool onlyQueries = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw UsageError(argument + " needs a value");
            }
            return arguments[++i];
        };
        // "-3" and "-(1)" are queries, not options.
        bool option = argument.size() >= 2 && argument[0] == '-' &&
                      ((argument[1] >= 'a' && argument[1] <= 'z') || argument[1] == '-');
        if (onlyQueries || !option) {
            options.sources.push_back({QuerySource::Kind::Text, argument});
        } else if (argument == "--") {
            onlyQueries = true;
        } else if (argument == "-e") {
            options.sources.push_back({QuerySource::Kind::Text, value()});
        } else if (argument == "-f") {
            options.sources.push_back({QuerySource::Kind::File, value()});
        } else if (argument == "--plugin") {
            options.plugins.push_back(value());
        } else if (argument == "--no-plugin") {
            options.noPlugin = true;
        } else if (argument == "--max-values") {
            options.maxValues = PositiveNumber(argument, value());
        } else if (argument == "--no-files") {
            options.noFiles = true;
        } else if (argument == "--max-file-bytes") {
            options.maxFileBytes = PositiveNumber<std::uint64_t>(argument, value());
            if (*options.maxFileBytes > Limits::maxFileBytesCap) {
                throw UsageError(argument + " is at most " +
                                 std::to_string(Limits::maxFileBytesCap));
            }
        } else if (argument == "--types") {
            options.types = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--vocabulary") {
            options.vocabulary = true;
        } else if (argument == "--markdown") {
            options.markdown = true;
        } else if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else {
            throw UsageError("unknown option " + argument);
        }
    }
    if (options.noPlugin && !options.plugins.empty()) {
        throw UsageError("--no-plugin and --plugin exclude each other");
    }
    if (options.markdown && (!options.vocabulary || options.json)) {
        throw UsageError("--markdown goes with --vocabulary and without --json");
    }
    return options;
}

} // namespace veritor::tool
