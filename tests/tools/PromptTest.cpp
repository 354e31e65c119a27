// The prompt in a real terminal: tmux runs the tool, types into it and shows
// the screen. Typed characters beyond ASCII arrive whole in any locale,
// Ctrl-C gives up the line, and the history is on disk as soon as a line is
// entered.
#include "tests/support/Process.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Step {
    std::string keys;   // tmux send-keys arguments
    std::string screen; // the terminal's lines after them, blank ones left out
};

struct Row {
    std::string locale; // the LANG of the session; empty: none at all
    std::vector<Step> steps;
    std::string history; // the history file's lines after the header
};

std::vector<Row> Rows() {
    // Each step waits for the screen before the next: Ctrl-C throws away
    // what the terminal has not handed on yet.
    const std::vector<Step> steps = {
        {"'length of \"日本\"' Enter", "veritor> length of \"日本\"\n6\nveritor>\n"},
        {"'abc def'", "veritor> length of \"日本\"\n6\nveritor> abc def\n"},
        {"C-c", "veritor> length of \"日本\"\n6\nveritor> abc def^C\nveritor>\n"},
        {"'1 + 1' Enter",
         "veritor> length of \"日本\"\n6\nveritor> abc def^C\nveritor> 1 + 1\n2\nveritor>\n"},
    };
    const std::string history = "length\\040of\\040\"日本\"\n1\\040+\\0401\n";
    return {{"LANG=C.UTF-8", steps, history}, {"", steps, history}, {"LANG=POSIX", steps, history}};
}

std::string Quoted(const std::string& text) {
    std::string word = "'";
    for (char c : text) {
        word.append(c == '\'' ? "'\\''" : std::string(1, c));
    }
    return word + "'";
}

class Terminal {
public:
    Terminal(const std::string& environment, const fs::path& home)
        : tmux("tmux -L " + home.filename().string()) {
        RunProcess(tmux + " new-session -d -s prompt -x 100 -y 20 " +
                   Quoted("env -i HOME=" + Quoted(home.string()) + " TERM=xterm " + environment +
                          " " + VERITOR_TOOL_DIRECTORY + "/veritor --no-plugin"));
    }
    ~Terminal() { RunProcess(tmux + " kill-server"); }

    void Type(const std::string& keys) { RunProcess(tmux + " send-keys -t prompt " + keys); }

    // The screen once it shows `expected`, or after ten seconds.
    std::string Screen(const std::string& expected) {
        std::string shown;
        for (int tries = 0; tries < 100 && shown != expected; ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            shown.clear();
            std::string lines = RunProcess(tmux + " capture-pane -p -t prompt").out;
            for (std::size_t at = 0, end; (end = lines.find('\n', at)) != std::string::npos;
                 at = end + 1) {
                if (end > at) {
                    shown.append(lines, at, end - at + 1);
                }
            }
        }
        return shown;
    }

private:
    std::string tmux;
};

TEST(Prompt, KeepsWhatIsTypedInATerminal) {
    if (RunProcess("command -v tmux >/dev/null").status != 0) {
        GTEST_SKIP() << "tmux is not installed (and there is no POSIX shell under Wine)";
    }
    int number = 0;
    for (const Row& row : Rows()) {
        const fs::path home = fs::path(TemporaryFile("veritor-home-" + std::to_string(number++)));
        fs::create_directories(home);
        {
            Terminal terminal(row.locale, home);
            terminal.Screen("veritor>\n");
            for (const Step& step : row.steps) {
                terminal.Type(step.keys);
                EXPECT_EQ(terminal.Screen(step.screen), step.screen) << row.locale << step.keys;
            }
            // Still in the session: the history is on disk already.
            std::ifstream file(home / ".veritor_history", std::ios::binary);
            const std::string history(std::istreambuf_iterator<char>(file), {});
            EXPECT_EQ(history, "_HiStOrY_V2_\n" + row.history) << row.locale;
        }
        fs::remove_all(home);
    }
}

} // namespace
