// The prompt on POSIX systems: libedit's line editing, history kept in the
// home folder, and completion of vocabulary names.
#include "host/Veritor.h"
#include "tools/veritor/Interactive.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
// libedit's readline interface needs stdio declared first.
#include <editline/readline.h>

namespace veritor::tool {

namespace {

// Words of the language itself, completed like vocabulary names.
constexpr const char* keywords[] = {"and", "as",        "contains", "exists", "false", "mod",
                                    "not", "number of", "of",       "or",     "true"};

std::vector<std::string> names;
std::vector<std::string> pending;
std::size_t nextPending = 0;

char* Generate(const char* text, int state) {
    if (state == 0) {
        pending = Completions(text, names);
        nextPending = 0;
    }
    if (nextPending >= pending.size()) {
        return nullptr;
    }
    // Readline frees what it is given, with free().
    return strdup(pending[nextPending++].c_str());
}

char** Complete(const char* text, int, int) {
    rl_attempted_completion_over = 1;
    return rl_completion_matches(text, Generate);
}

std::string HistoryFile() {
    const char* home = std::getenv("HOME");
    return home == nullptr ? std::string() : std::string(home) + "/.veritor_history";
}

} // namespace

void RunPrompt(const std::function<void(const std::string&)>& evaluate) {
    names = VocabularyNames();
    names.insert(names.end(), std::begin(keywords), std::end(keywords));
    // Spaces belong to names, so only punctuation starts a new word.
    static char breaks[] = "\"();,=<>&+-*/";
    // libedit reads the basic set where GNU readline reads the completer's.
    rl_completer_word_break_characters = breaks;
    rl_basic_word_break_characters = breaks;
    rl_attempted_completion_function = Complete;
    using_history();
    std::string history = HistoryFile();
    if (!history.empty()) {
        read_history(history.c_str());
    }
    while (char* line = readline("veritor> ")) {
        std::string query(line);
        std::free(line);
        if (query.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        add_history(query.c_str());
        evaluate(query);
    }
    std::fputc('\n', stdout);
    if (!history.empty()) {
        write_history(history.c_str());
    }
}

} // namespace veritor::tool
