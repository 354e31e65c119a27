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
#include <thread>

namespace {

namespace fs = std::filesystem;

struct Step {
    const char* keys;   // tmux send-keys arguments
    const char* screen; // the terminal's lines after them, blank ones left out
};

// Each step waits for its screen before the next: Ctrl-C throws away what
// the terminal has not handed on yet.
const Step steps[] = {
    {"'length of \"日本\"' Enter", "veritor> length of \"日本\"\n6\nveritor>\n"},
    {"'abc def'", "veritor> length of \"日本\"\n6\nveritor> abc def\n"},
    {"C-c", "veritor> length of \"日本\"\n6\nveritor> abc def^C\nveritor>\n"},
    {"'1 + 1' Enter",
     "veritor> length of \"日本\"\n6\nveritor> abc def^C\nveritor> 1 + 1\n2\nveritor>\n"},
};

// The screen once it shows `expected`, or after ten seconds.
std::string Screen(const std::string& tmux, const std::string& expected) {
    std::string shown;
    for (int tries = 0; tries < 100 && shown != expected; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        shown = RunProcess(tmux + " capture-pane -p -t prompt | grep -v '^$'").out;
    }
    return shown;
}

TEST(Prompt, KeepsWhatIsTypedInATerminalInAnyLocale) {
    if (RunProcess("command -v tmux >/dev/null").status != 0) {
        GTEST_SKIP() << "tmux is not installed (and there is no POSIX shell under Wine)";
    }
    for (const std::string locale : {"LANG=C.UTF-8", "", "LANG=POSIX"}) {
        const fs::path home = TemporaryFile("veritor-home");
        fs::create_directories(home);
        const std::string tmux = "tmux -L " + home.filename().string();
        std::string session = "env -i HOME='" + home.string() + "' TERM=xterm ";
        session.append(locale).append(" '" VERITOR_TOOL_DIRECTORY "/veritor' --no-plugin");
        RunProcess(tmux + " new-session -d -s prompt -x 100 -y 20 \"" + session.append("\""));
        Screen(tmux, "veritor>\n");
        for (const Step& step : steps) {
            RunProcess(tmux + " send-keys -t prompt " + step.keys);
            EXPECT_EQ(Screen(tmux, step.screen), step.screen) << locale << ", " << step.keys;
        }
        // Still in the session: the history is on disk already.
        std::ifstream file(home / ".veritor_history", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
                  "_HiStOrY_V2_\nlength\\040of\\040\"日本\"\n1\\040+\\0401\n")
            << locale;
        RunProcess(tmux + " kill-server");
        fs::remove_all(home);
    }
}

} // namespace
