#include "tools/veritor/Tool.h"

#include "host/Veritor.h"
#include "tools/veritor/Json.h"
#include "tools/veritor/Markdown.h"
#include "tools/veritor/Options.h"
#include "tools/veritor/QuerySources.h"
#include "tools/veritor/Report.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <variant>

namespace veritor::tool {

namespace {

namespace fs = std::filesystem;

// Output that could not be written: the run cannot go on.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Standard input asked for by a query while it holds the queries; the error
// has been reported.
struct StandardInputTwice {};

// Why "file" may not read standard input while it holds the queries.
constexpr std::string_view queriesOnInput = "standard input holds the queries; name a file instead";

// A query compiled, or the error its compilation gave, to be reported at its
// turn.
using CompiledQuery = std::variant<Query, QueryError>;

CompiledQuery Compiled(const std::string& query) {
    try {
        return Compile(query);
    } catch (const QueryError& error) {
        return error;
    }
}

// Throws OutputError with the system's reason when `out` has failed.
void CheckWritten(std::ostream& out) {
    // A stream that failed earlier keeps the reason its write left.
    if (out) {
        errno = 0;
        out.flush();
    }
    if (!out) {
        const int error = errno != 0 ? errno : EIO;
        throw OutputError(std::generic_category().message(error));
    }
}

// What an error names its query by, given that a syntax or type error shows
// it anyway.
std::string Where(const Place& place, const QueryError& error) {
    const bool shown = error.Position() != QueryError::noPosition;
    return shown && !place.evenWhenShown ? std::string() : place.name;
}

// A query read ahead of the evaluation, compiled or refused by the compiler.
struct Pending {
    std::string text;
    Place place;
    CompiledQuery compiled;
};

class Session {
public:
    Session(const Options& options, const Environment& environment, bool stopOnRefusal)
        : options(options)
        , out(*environment.out)
        , err(*environment.err)
        , stopOnRefusal(stopOnRefusal) {
        if (options.maxValues) {
            limits.maxValues = *options.maxValues;
        }
        if (options.maxFileBytes) {
            limits.maxFileBytes = *options.maxFileBytes;
        }
    }

    // `place` names the query in error messages: "file:line", or the query
    // itself among several, which a syntax or type error shows anyway.
    void Evaluate(const std::string& query, const Place& place = {}) {
        Evaluate(Compiled(query), query, place);
    }

    void Evaluate(const CompiledQuery& compiled, const std::string& query, const Place& place) {
        try {
            if (const auto* error = std::get_if<QueryError>(&compiled)) {
                throw *error;
            }
            Result result = veritor::Evaluate(std::get<Query>(compiled), limits);
            if (options.json) {
                out << JsonResult(query, result) << '\n';
            } else {
                PrintResult(out, result, options.types);
            }
        } catch (const QueryError& error) {
            status = std::max(status, ExitStatusOf(error.Kind()));
            CheckOutput();
            if (options.json) {
                out << JsonError(query, error) << '\n';
            } else {
                PrintError(err, query, error, Where(place, error));
            }
            if (stopOnRefusal && StandardInputRefused()) {
                // The run would go on without the rest of its queries or
                // its document: it ends here, as a usage error.
                throw StandardInputTwice();
            }
        }
        CheckOutput();
    }

    // Reports a query that names standard input for "file" while standard
    // input holds the queries.
    void RefuseStandardInput(const Pending& pending) {
        QueryError error(ErrorKind::Syntax, "cannot read \"-\": " + std::string(queriesOnInput),
                         std::get<Query>(pending.compiled).StandardInputAt());
        PrintError(err, pending.text, error, Where(pending.place, error));
    }

    void CheckOutput() { CheckWritten(out); }

    int Status() const { return status; }

private:
    const Options& options;
    Limits limits;
    std::ostream& out;
    std::ostream& err;
    bool stopOnRefusal;
    int status = 0;
};

void ReportUnload(std::ostream& err, Plugin& plugin) {
    UnloadReport report = plugin.Unload();
    for (const auto& leftover : report.leftovers) {
        err << "warning: " << plugin.Path() << " left the " << leftover.kind << " \""
            << leftover.name << "\" registered\n";
    }
}

} // namespace

std::string DefaultPlugin(const std::string& toolDirectory) {
    namespace fs = std::filesystem;
    if (toolDirectory.empty()) {
        return {};
    }
    for (const fs::path& candidate :
         {fs::path(toolDirectory) / VERITOR_PLUGIN_FILE_NAME,
          fs::path(toolDirectory) / ".." / "lib" / "veritor" / VERITOR_PLUGIN_FILE_NAME}) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) {
            return candidate.lexically_normal().string();
        }
    }
    return {};
}

int RunTool(const std::vector<std::string>& arguments, const Environment& environment) {
    std::ostream& out = *environment.out;
    std::ostream& err = *environment.err;
    Options options;
    try {
        options = ParseOptions(arguments);
    } catch (const UsageError& error) {
        err << "error: " << error.what() << '\n' << usageHint << '\n';
        return 2;
    }
    if (options.help) {
        try {
            out << usageText;
            CheckWritten(out);
        } catch (const OutputError& error) {
            err << "error: cannot write the output: " << error.what() << '\n';
            return 2;
        }
        return 0;
    }

    // The tool reads what its user could read anyway; an embedder decides
    // for itself.
    EnableFiles(!options.noFiles);
    const bool queriesFromInput = QueriesFromStandardInput(options);
    ReserveStandardInput(queriesFromInput ? std::string(queriesOnInput) : std::string());

    std::vector<std::string> paths = options.plugins;
    if (!options.noPlugin && paths.empty()) {
        if (std::string found = DefaultPlugin(environment.toolDirectory); !found.empty()) {
            paths.push_back(found);
        }
    }
    std::vector<std::unique_ptr<Plugin>> plugins;
    for (const auto& path : paths) {
        try {
            plugins.push_back(std::make_unique<Plugin>(path));
        } catch (const LoadError& error) {
            err << "error: cannot load inspector library: " << error.what() << '\n';
            return 2;
        }
    }

    const bool interactive = options.sources.empty() && !options.vocabulary &&
                             environment.terminal && environment.prompt;
    Session session(options, environment, !interactive);
    // While standard input holds the queries, every query is read and
    // compiled before the first is evaluated, so that one that names
    // standard input for "file" stops the run before it has done anything.
    const bool readAhead = queriesFromInput && !interactive;
    std::vector<Pending> pending;
    std::optional<UsageError> unreadable; // reported at its turn
    if (readAhead) {
        try {
            ReadQueries(options, *environment.in, true,
                        [&](const std::string& query, const Place& place) {
                            pending.push_back({query, place, Compiled(query)});
                        });
        } catch (const UsageError& error) {
            unreadable = error;
        }
    }
    auto readsInput = std::find_if(pending.begin(), pending.end(), [](const Pending& p) {
        const Query* query = std::get_if<Query>(&p.compiled);
        return query != nullptr && query->StandardInputAt() != QueryError::noPosition;
    });
    int status = 0;
    try {
        if (readsInput != pending.end()) {
            session.RefuseStandardInput(*readsInput);
            throw StandardInputTwice();
        }
        if (options.vocabulary) {
            auto entries = Vocabulary();
            if (options.json) {
                for (const auto& entry : entries) {
                    out << JsonRegistration(entry) << '\n';
                }
            } else if (options.markdown) {
                PrintVocabularyMarkdown(out, entries);
            } else {
                PrintVocabularyTable(out, entries);
            }
            session.CheckOutput();
        }
        if (readAhead) {
            for (const Pending& query : pending) {
                session.Evaluate(query.compiled, query.text, query.place);
            }
            if (unreadable) {
                throw *unreadable;
            }
        } else {
            ReadQueries(options, *environment.in, false,
                        [&](const std::string& query, const Place& place) {
                            session.Evaluate(query, place);
                        });
        }
        if (interactive) {
            // A mistyped line at the prompt is answered there; it does not
            // make the whole session fail.
            environment.prompt([&](const std::string& line) { session.Evaluate(line); });
        }
        session.CheckOutput();
    } catch (const OutputError& error) {
        err << "error: cannot write the output: " << error.what() << '\n';
        status = 2;
    } catch (const UsageError& error) {
        err << "error: " << error.what() << '\n';
        status = 2;
    } catch (const StandardInputTwice&) {
        status = 2;
    }
    // Newest first, as a loader unloads what it loaded.
    for (auto it = plugins.rbegin(); it != plugins.rend(); ++it) {
        ReportUnload(err, **it);
    }
    return interactive ? status : std::max(status, session.Status());
}

} // namespace veritor::tool
