#include "tools/veritor/Tool.h"

#include "host/Veritor.h"
#include "tools/veritor/Json.h"
#include "tools/veritor/Markdown.h"
#include "tools/veritor/Options.h"
#include "tools/veritor/Report.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

namespace veritor::tool {

namespace {

class Session {
public:
    Session(const Options& options, const Environment& environment)
        : options(options)
        , out(*environment.out)
        , err(*environment.err) {
        if (options.maxValues) {
            limits.maxValues = *options.maxValues;
        }
        if (options.maxFileBytes) {
            limits.maxFileBytes = *options.maxFileBytes;
        }
    }

    void Evaluate(const std::string& query) {
        try {
            Result result = Run(query, limits);
            if (options.json) {
                out << JsonResult(query, result) << '\n';
            } else {
                PrintResult(out, result, options.types);
            }
        } catch (const QueryError& error) {
            status = std::max(status, ExitStatusOf(error.Kind()));
            out.flush();
            if (options.json) {
                out << JsonError(query, error) << '\n';
            } else {
                PrintError(err, query, error);
            }
        }
        out.flush();
    }

    // One query per non-empty line; lines whose first visible character is
    // '#' are comments.
    void EvaluateLines(std::istream& in) {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            auto first = line.find_first_not_of(" \t");
            if (first == std::string::npos || line[first] == '#') {
                continue;
            }
            Evaluate(line);
        }
    }

    int Status() const { return status; }

private:
    const Options& options;
    Limits limits;
    std::ostream& out;
    std::ostream& err;
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
        err << "error: " << error.what() << '\n' << usageText;
        return 2;
    }
    if (options.help) {
        out << usageText;
        return 0;
    }

    // The tool reads what its user could read anyway; an embedder decides
    // for itself.
    EnableFiles(!options.noFiles);

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

    Session session(options, environment);
    int status = 0;
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
    }
    for (const QuerySource& source : options.sources) {
        if (source.kind == QuerySource::Kind::Text) {
            session.Evaluate(source.value);
        } else if (source.value == "-") {
            session.EvaluateLines(*environment.in);
        } else {
            std::ifstream file(source.value);
            if (!file) {
                err << "error: cannot read " << source.value << '\n';
                status = 2;
                continue;
            }
            session.EvaluateLines(file);
        }
    }
    bool interactive = false;
    if (options.sources.empty() && !options.vocabulary) {
        if (environment.terminal && environment.prompt) {
            // A mistyped line at the prompt is answered there; it does not
            // make the whole session fail.
            interactive = true;
            environment.prompt([&](const std::string& line) { session.Evaluate(line); });
        } else {
            session.EvaluateLines(*environment.in);
        }
    }
    out.flush();
    // Newest first, as a loader unloads what it loaded.
    for (auto it = plugins.rbegin(); it != plugins.rend(); ++it) {
        ReportUnload(err, **it);
    }
    return interactive ? status : std::max(status, session.Status());
}

} // namespace veritor::tool
