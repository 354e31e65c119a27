// One loaded inspector library serving several threads at once: every
// vocabulary, compiled per thread and shared between threads, each thread
// checking its own results (they carry its number, so a value that strays
// between threads shows). Run under the tsan preset to find races.
#include "host/Veritor.h"
#include "tests/support/WineDifferences.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

// A query and its values apart by "|", "A" standing for a thread's number
// and "B" for a running number; an error is its message after "error: ".
const std::pair<const char*, const char*> mixes[] = {
    {"product of (A; 1; 1)", "A"},
    {"mean of (A; A) + 0.5", "A.5"},
    {"conjunction of (B > -1; A > 1)", "true"},
    {"(rope \"A\" & \"-\" & \"B\") as string", "A-B"},
    {"rope \"xAyB\" contains \"yB\"", "true"},
    {"\"  A B \" as trimmed string", "A B"},
    {"strongs of (\"A<\"; \"B\")", "<strong>A&lt;</strong>|<strong>B</strong>"},
    {"html tag (\"a\", attr list of (\"href\", \"?A&B\"), \"x\")", "<a href=\"?A&amp;B\">x</a>"},
    // Aggregate states are destroyed only after the results are rendered:
    // the html of these two views both accumulators.
    {"(html concatenation of (html \"A \"; html \"B\")) & (html concatenation of (html \"B\"))",
     "A BB"},
    {"node names of child nodes of first child of xml document of \"<r><tA/><iB/></r>\"", "tA|iB"},
    {"(xpaths \"//i[@n='bB']\" of xml document of \"<r><i n='aA'>a</i><i n='bB'>bA</i></r>\") "
     "as text",
     "bA"},
    {"node values of attributes of selects \"r/i\" of xml document of \"<r><i x='A' y='B'/></r>\"",
     "A|B"},
    {"node names of selects \"r/*[.][index() $ge$ 1]\" of xml document of "
     "\"<r><a/><tA/><tB/></r>\"",
     "tA|tB"},
    {"xml document of \"<r>B\"", "error: no value"},
    {"node value of first child of xml document of \"<rB/>\"",
     "error: Windows Error: Type mismatch."},
};

std::string Fill(std::string text, const std::string& a, const std::string& b) {
    for (std::size_t at = 0; (at = text.find_first_of("AB", at)) != std::string::npos;) {
        const std::string& number = text[at] == 'A' ? a : b;
        text.replace(at, 1, number);
        at += number.size();
    }
    return text;
}

// The rendered values of a shared compiled query, or else of `text`.
std::string Outcome(const veritor::Query* shared, const std::string& text) try {
    std::string shown;
    for (const auto& value : (shared ? veritor::Evaluate(*shared) : veritor::Run(text)).values) {
        shown.append(shown.empty() ? "" : "|").append(veritor::RenderText(value));
    }
    return shown;
} catch (const veritor::QueryError& error) {
    return std::string("error: ").append(error.what());
}

TEST(ConcurrentEvaluation, EightThreadsShareOneLoadedLibrary) {
    if (const char* reason = WineDifference("XPath selected on several threads at once")) {
        GTEST_SKIP() << reason;
    }
    constexpr int threads = 8, queriesPerThread = 2000;
    veritor::Plugin plugin(INSPECTORS);
    std::vector<veritor::Query> shared; // compiled once, evaluated by every thread
    for (const auto& [query, values] : mixes) {
        shared.push_back(veritor::Compile(Fill(query, "10", "11")));
    }
    std::vector<int> failures(threads);
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                for (int i = 0; i < queriesPerThread; ++i) {
                    const std::size_t k = static_cast<std::size_t>(i) % std::size(mixes);
                    const bool fromShared = i % 4 == 3;
                    const std::string a = fromShared ? "10" : std::to_string(t + 2);
                    const std::string b = fromShared ? "11" : std::to_string(i);
                    const std::string query = Fill(mixes[k].first, a, b);
                    const std::string got = Outcome(fromShared ? &shared[k] : nullptr, query);
                    if (got != Fill(mixes[k].second, a, b) && failures[t]++ == 0) {
                        ADD_FAILURE() << "thread " << t << ": " << query << " gave " << got;
                    }
                }
            });
        }
    }
    EXPECT_EQ(failures, std::vector<int>(threads, 0));
}

} // namespace
