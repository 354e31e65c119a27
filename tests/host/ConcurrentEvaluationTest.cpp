// One loaded inspector library serving several threads at once: every
// vocabulary, compiled per thread and shared between threads, each thread
// checking its own results (they carry its number, so a value that strays
// between threads shows). Run under the tsan preset to find races.
#ifdef INSPECTORS

#include "host/Veritor.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Expected {
    std::string query;
    std::vector<std::string> values; // or the one text "error: " and the message
};

// Queries over a thread's number a (from 2) and a running number b.
using Mix = std::function<Expected(const std::string& a, const std::string& b)>;

const std::vector<Mix> mixes = {
    [](auto a, auto b) {
        return Expected{"product of (" + a + "; " + b + "; 2)",
                        {std::to_string(std::stoll(a) * std::stoll(b) * 2)}};
    },
    [](auto a, auto b) {
        return Expected{"mean of (" + a + "; " + b + ") * 2.0",
                        {std::to_string(std::stoll(a) + std::stoll(b))}};
    },
    [](auto a, auto b) {
        return Expected{"conjunction of (" + b + " mod 2 = 0; " + a + " > 1)",
                        {std::stoll(b) % 2 == 0 ? "true" : "false"}};
    },
    [](auto a, auto b) {
        return Expected{"(rope \"" + a + "\" & \"-\" & \"" + b + "\") as string", {a + "-" + b}};
    },
    [](auto a, auto b) {
        return Expected{"rope \"x" + a + "y" + b + "\" contains \"y" + b + "\"", {"true"}};
    },
    [](auto a, auto b) {
        return Expected{"\"  " + a + " " + b + " \" as trimmed string", {a + " " + b}};
    },
    [](auto a, auto b) {
        return Expected{"strongs of (\"" + a + "<\"; \"" + b + "\")",
                        {"<strong>" + a + "&lt;</strong>", "<strong>" + b + "</strong>"}};
    },
    [](auto a, auto b) {
        return Expected{"html tag (\"a\", attr list of (\"href\", \"?" + a + "&" + b +
                            "\"), \"x\")",
                        {"<a href=\"?" + a + "&amp;" + b + "\">x</a>"}};
    },
    [](auto a, auto b) {
        return Expected{"node names of child nodes of first child of xml document of \"<r><t" + a +
                            "/><i" + b + "/></r>\"",
                        {"t" + a, "i" + b}};
    },
    [](auto a, auto b) {
        return Expected{"(xpaths \"//i[@n='b" + b + "']\" of xml document of \"<r><i n='a" + a +
                            "'>a</i><i n='b" + b + "'>b" + a + "</i></r>\") as text",
                        {"b" + a}};
    },
    [](auto a, auto b) {
        return Expected{"node values of attributes of (selects \"r/i\" of xml "
                        "document of \"<r><i x='" +
                            a + "' y='" + b + "'/></r>\")",
                        {a, b}};
    },
    [](auto, auto b) {
        return Expected{"xml document of \"<r>" + b + "\"", {"error: no value"}};
    },
    [](auto, auto b) {
        return Expected{"node value of first child of xml document of \"<r" + b + "/>\"",
                        {"error: Windows Error: Type mismatch."}};
    },
};

std::vector<std::string> Outcome(const std::function<veritor::Result()>& run) {
    std::vector<std::string> texts;
    try {
        for (const auto& value : run().values) {
            texts.push_back(veritor::RenderText(value));
        }
    } catch (const veritor::QueryError& error) {
        texts.push_back(std::string("error: ") + error.what());
    }
    return texts;
}

TEST(ConcurrentEvaluation, EightThreadsShareOneLoadedLibrary) {
    constexpr int threads = 8, queriesPerThread = 2000;
    veritor::Plugin plugin(INSPECTORS);
    // Compiled once and evaluated by every thread.
    std::vector<Expected> sharedExpected;
    std::vector<veritor::Query> shared;
    for (const Mix& mix : mixes) {
        sharedExpected.push_back(mix("10", "11"));
        shared.push_back(veritor::Compile(sharedExpected.back().query));
    }
    std::vector<int> failures(threads);
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                const std::string a = std::to_string(t + 2);
                for (int i = 0; i < queriesPerThread; ++i) {
                    const std::size_t k = static_cast<std::size_t>(i) % mixes.size();
                    Expected expected;
                    std::vector<std::string> got;
                    if (i % 4 == 3) {
                        expected = sharedExpected[k];
                        got = Outcome([&] { return veritor::Evaluate(shared[k]); });
                    } else {
                        expected = mixes[k](a, std::to_string(i));
                        got = Outcome([&] { return veritor::Run(expected.query); });
                    }
                    if (got != expected.values && failures[t]++ == 0) {
                        ADD_FAILURE() << "thread " << t << ": " << expected.query << " gave "
                                      << testing::PrintToString(got);
                    }
                }
            });
        }
    }
    EXPECT_EQ(failures, std::vector<int>(threads, 0));
}

} // namespace

#endif
