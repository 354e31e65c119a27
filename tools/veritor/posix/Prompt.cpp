// The prompt on POSIX systems: libedit's line editing, history kept in the
// home folder, and completion of vocabulary names.
#include "host/Veritor.h"
#include "tools/veritor/Interactive.h"

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <langinfo.h>
#include <string_view>
#include <unistd.h>
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

// Lines are edited as characters of the locale's encoding; queries are
// UTF-8, so the prompt needs a UTF-8 locale, the user's own when it is one.
// Only character classification changes: numbers are still written the
// same way.
bool UseUtf8Locale() {
    for (const char* name : {"", "C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
        if (std::setlocale(LC_CTYPE, name) != nullptr &&
            std::string_view(nl_langinfo(CODESET)) == "UTF-8") {
            return true;
        }
    }
    std::setlocale(LC_CTYPE, "C");
    return false;
}

volatile std::sig_atomic_t interrupted = 0;
bool cancelled = false; // the line being read was given up with Ctrl-C

extern "C" void Interrupt(int) {
    interrupted = 1;
}

// Reads the next character, decoded from the locale's encoding: libedit
// takes what this returns as a whole character. Ctrl-C ends the line, which
// is then dropped; the read is not restarted after the signal, which is how
// it is noticed.
int ReadCharacter(FILE* stream) {
    std::mbstate_t state{};
    for (;;) {
        if (interrupted != 0) {
            interrupted = 0;
            cancelled = true;
            std::fputs("^C", stdout);
            std::fflush(stdout);
            return '\n';
        }
        char byte = 0;
        const ssize_t got = read(fileno(stream), &byte, 1);
        if (got == 0 || (got < 0 && errno != EINTR)) {
            return EOF;
        }
        if (got < 0) {
            continue;
        }
        wchar_t character = 0;
        const std::size_t used = std::mbrtowc(&character, &byte, 1, &state);
        if (used == static_cast<std::size_t>(-2)) {
            continue; // more bytes to come
        }
        if (used == static_cast<std::size_t>(-1)) {
            state = {};
            character = 0xFFFD; // a byte that is no character of the encoding
        }
        return static_cast<int>(character);
    }
}

} // namespace

void RunPrompt(const std::function<void(const std::string&)>& evaluate) {
    if (!UseUtf8Locale()) {
        std::fputs("warning: no UTF-8 locale: only ASCII can be typed at the prompt\n", stderr);
    }
    names = VocabularyNames();
    names.insert(names.end(), std::begin(keywords), std::end(keywords));
    // Spaces belong to names, so only punctuation starts a new word.
    static char breaks[] = "\"();,=<>&+-*/";
    // libedit reads the basic set where GNU readline reads the completer's.
    rl_completer_word_break_characters = breaks;
    rl_basic_word_break_characters = breaks;
    rl_attempted_completion_function = Complete;
    // The tool handles Ctrl-C itself, while a line is read.
    rl_catch_signals = 0;
    rl_getc_function = ReadCharacter;
    using_history();
    // The file is written again after each line, so that the history
    // survives however the session ends.
    std::string history = HistoryFile();
    if (!history.empty()) {
        read_history(history.c_str());
    }
    stifle_history(1000);
    struct sigaction onInterrupt {};
    onInterrupt.sa_handler = Interrupt;
    sigemptyset(&onInterrupt.sa_mask);
    struct sigaction before {};
    for (;;) {
        // Outside reading, Ctrl-C ends the tool as it would any command.
        sigaction(SIGINT, &onInterrupt, &before);
        char* line = readline("veritor> ");
        sigaction(SIGINT, &before, nullptr);
        if (line == nullptr) {
            break;
        }
        std::string query(line);
        std::free(line);
        if (cancelled || query.find_first_not_of(" \t") == std::string::npos) {
            cancelled = false;
            continue;
        }
        add_history(query.c_str());
        if (!history.empty()) {
            write_history(history.c_str());
        }
        evaluate(query);
    }
    std::fputc('\n', stdout);
}

} // namespace veritor::tool
