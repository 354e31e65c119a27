#include "tools/veritor/Options.h"

#include "host/Veritor.h"
#include "tools/veritor/NearestName.h"

#include <array>
#include <charconv>
#include <limits>
#include <string_view>

namespace veritor::tool {

namespace {

// A positive whole number in decimal, at most `largest`.
template <typename Number>
Number PositiveNumber(const std::string& option, const std::string& text, Number largest) {
    Number number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    const bool digits =
        !text.empty() && stop == end && text.find_first_not_of("0123456789") == std::string::npos;
    if (digits && (error == std::errc::result_out_of_range || number > largest)) {
        throw UsageError(option + " " + text + " is too large: at most " + std::to_string(largest));
    }
    if (!digits || error != std::errc() || number == 0) {
        throw UsageError(option + " needs a positive whole number, not \"" + text + "\"");
    }
    return number;
}

constexpr std::array<std::string_view, 13> optionNames = {
    "-e",       "-f",          "--types",      "--json",     "--vocabulary",     "--markdown",
    "--plugin", "--no-plugin", "--max-values", "--no-files", "--max-file-bytes", "-h",
    "--help"};

// A dash, then a letter or a second dash: "-3", "-(1)" and "-" are queries.
bool LooksLikeOption(const std::string& argument) {
    if (argument.size() < 2 || argument[0] != '-') {
        return false;
    }
    const char c = argument[1];
    return c == '-' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

[[noreturn]] void UnknownOption(const std::string& argument) {
    std::vector<std::string> longNames;
    for (std::string_view name : optionNames) {
        if (name.starts_with("--")) {
            longNames.emplace_back(name);
        }
    }
    // "-json" and "--jsno" are near "--json"; "-V" is near no name of its own.
    std::string spelled = argument.starts_with("--") ? argument : "-" + argument;
    std::string message = "unknown option " + argument;
    if (std::string near = NearestName(spelled, longNames); !near.empty()) {
        message += " (did you mean " + near + "?)";
    }
    throw UsageError(message);
}

} // namespace

const char* const usageText =
    "veritor [options] [QUERY...]\n"
    "  -e QUERY          evaluate QUERY (repeatable)\n"
    "  -f FILE           evaluate each non-empty line of FILE ('-': standard input);\n"
    "                    lines whose first visible character is '#' are comments\n"
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
    "  --                every later argument is a query, even one starting with '-'\n"
    "With no query, queries are read from standard input: interactively, with\n"
    "line editing and completion, when it is a terminal.\n";

const char* const usageHint =
    "usage: veritor [options] [QUERY...]; veritor --help lists the options";

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
        if (onlyQueries || !LooksLikeOption(argument)) {
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
            options.maxValues =
                PositiveNumber(argument, value(), std::numeric_limits<std::size_t>::max());
        } else if (argument == "--no-files") {
            options.noFiles = true;
        } else if (argument == "--max-file-bytes") {
            options.maxFileBytes = PositiveNumber(argument, value(), Limits::maxFileBytesCap);
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
            UnknownOption(argument);
        }
    }
    if (options.noPlugin && !options.plugins.empty()) {
        throw UsageError("--no-plugin and --plugin exclude each other");
    }
    if (options.markdown && (!options.vocabulary || options.json)) {
        throw UsageError("--markdown goes with --vocabulary and without --json");
    }
    int readers = 0;
    for (const QuerySource& source : options.sources) {
        readers += source.kind == QuerySource::Kind::File && source.value == "-" ? 1 : 0;
    }
    if (readers > 1) {
        throw UsageError("-f - is given twice: standard input is read once");
    }
    return options;
}

bool QueriesFromStandardInput(const Options& options) {
    for (const QuerySource& source : options.sources) {
        if (source.kind == QuerySource::Kind::File && source.value == "-") {
            return true;
        }
    }
    return options.sources.empty() && !options.vocabulary && !options.help;
}

} // namespace veritor::tool
