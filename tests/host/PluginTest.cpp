// Loading, using and unloading an inspector library built like the real one
// (tests/host/plugin): registrations come and go with the library, values and
// states are destroyed after the results are rendered, newest first, and
// exceptions thrown inside the library reach the host as the types they are.
#include "host/Veritor.h"
#include "tests/support/LoadedSymbol.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

using veritor::Plugin;

const veritor::VocabularyEntry* Registered(const std::string& name) {
    static std::vector<veritor::VocabularyEntry> entries;
    entries = veritor::Vocabulary();
    const auto found = std::ranges::find_if(entries, [&](const auto& e) { return e.name == name; });
    return found == entries.end() ? nullptr : &*found;
}

// What the library's values and states noted of their lives, or null when it
// is not loaded.
const char* Journal() {
    using JournalFunction = const char* (*)();
    const auto journal =
        reinterpret_cast<JournalFunction>(LoadedSymbol(TEST_INSPECTORS, "TestInspectorsJournal"));
    return journal == nullptr ? nullptr : journal();
}

// The values, apart by "; ", or the kind of error (and an evaluation error's
// text).
std::string Outcome(const char* query, std::size_t maxValues) try {
    std::string shown;
    for (const auto& value : veritor::Run(query, {maxValues}).values) {
        shown.append(shown.empty() ? "" : "; ").append(veritor::RenderText(value));
    }
    return shown;
} catch (const veritor::QueryError& error) {
    const std::string kind = veritor::ErrorKindName(error.Kind());
    return error.Kind() == veritor::ErrorKind::Evaluation ? kind + ": " + error.what() : kind;
}

// A query, its outcome and what its values and states noted.
struct Row {
    const char* query;
    const char* outcome;
    const char* journal;
    std::size_t maxValues = 10'000'000;
};

const Row rows[] = {
    {"counter of 5", "#5", "+5 ~5 "},
    {"(counter of 1, counter of 2)", "#1, #2", "+1 +2 ~2 ~1 "},
    {"counter of 1 + counter of 2", "#3", "+1 +2 +3 ~3 ~2 ~1 "},
    // NoSuchObject is "no value"; a plural skips it.
    {"counter of -1", "no value", ""},
    {"counters of (1; -1; 2)", "#1; #2", "+1 +2 ~2 ~1 "},
    // Other exceptions are evaluation errors with their text, without the
    // line break a system message ends with.
    {"broken of 1", "evaluation: the broken property broke", ""},
    {"broken of 3", "evaluation: an inspector raised an exception that is not a standard exception",
     ""},
    // A derived type where its base is expected, but not in one list.
    {"special counter of 4 as string", "#4", "+4 ~4 "},
    {"tally of (special counter of 4; special counter of 1)", "5", "+4 +1 ~tally ~1 ~4 "},
    {"(counter of 1; special counter of 1)", "type", ""},
    // Iterations until NoSuchObject; the singular form wants exactly one.
    {"digits of counters of (2; 3)", "0; 1; 0; 1; 2", "+2 +3 ~digits ~digits ~3 ~2 "},
    {"digit of counter of 1", "0", "+1 ~digits ~1 "},
    {"digit of counter of 0", "no value", "+0 ~digits ~0 "},
    {"digit of counter of 2", "evaluation: \"digit\" yields more than one value", "+2 ~digits ~2 "},
    {"digit of counters of (1; 2)", "type", ""},
    // Too many values end an iteration; what it made is destroyed with the rest.
    {"digits of counter of 3", "0; 1; 2", "+3 ~digits ~3 ", 3},
    {"digits of counter of 3", "evaluation: too many values: more than 2 in one expression",
     "+3 ~digits ~3 ", 2},
    {"digits of counters of (2; 3)", "evaluation: too many values: more than 4 in one expression",
     "+2 +3 ~digits ~digits ~3 ~2 ", 4},
    // Counting destroys each value of an iteration as it comes; exists stops
    // at the first. An error or too many values still end the count.
    {"steps of counter of 2", "#0; #1", "+2 +0 +1 ~1 ~0 ~steps ~2 "},
    {"number of steps of counters of (2; 1)", "3",
     "+2 +1 +0 ~0 +1 ~1 +0 ~0 ~steps ~steps ~1 ~2 "},
    {"exists steps of counter of 9", "true", "+9 +0 ~0 ~steps ~9 "},
    {"exists steps of counter of 0", "false", "+0 ~steps ~0 "},
    {"number of steps of counter of 9", "evaluation: step 2 broke", "+9 +0 ~0 +1 ~1 ~steps ~9 "},
    {"number of steps of counter of 3", "evaluation: too many values: more than 2 in one expression",
     "+3 +0 ~0 +1 ~1 +2 ~2 ~steps ~3 ", 2},
    // Aggregates over nothing still finish.
    {"tally of ()", "0", "~tally "},
    {"tallies of counter of 7", "7", "+7 ~tally ~7 "},
    {"tally of (1; 2)", "type", ""},
};

TEST(Plugin, EvaluatesAndDestroysAfterRenderingNewestFirst) {
    Plugin plugin(TEST_INSPECTORS);
    for (const Row& row : rows) {
        const std::string before = Journal();
        EXPECT_EQ(Outcome(row.query, row.maxValues), row.outcome) << row.query;
        EXPECT_EQ(Journal() + before.size(), std::string(row.journal)) << row.query;
    }
}

TEST(Plugin, UnloadRemovesEveryRegistrationAndReallyUnloads) {
    {
        Plugin plugin(TEST_INSPECTORS);
        ASSERT_TRUE(Registered("counter") && Registered("tally"));
        EXPECT_EQ(Registered("counter")->library, TEST_INSPECTORS_NAME);
        EXPECT_EQ(Registered("length")->library, "host");
        const auto report = plugin.Unload();
        EXPECT_TRUE(report.leftovers.empty());
        EXPECT_FALSE(report.stillLoaded);
    }
    EXPECT_FALSE(Registered("counter"));
    EXPECT_EQ(Journal(), nullptr) << "still mapped";
    EXPECT_EQ(Outcome("counter of 1", 1), "syntax");
    Plugin again(TEST_INSPECTORS);
    EXPECT_EQ(Outcome("counter of 5", 1), "#5");
    EXPECT_STREQ(Journal(), "+5 ~5 ") << "a fresh load starts with fresh statics";
}

TEST(Plugin, ReportsAndDropsRegistrationsLeftBehind) {
    Plugin plugin(LEAKY_TEST_INSPECTORS);
    const auto report = plugin.Unload();
    ASSERT_EQ(report.leftovers.size(), 1u);
    EXPECT_EQ(report.leftovers[0].name, "counter");
    EXPECT_EQ(report.leftovers[0].kind, "property");
    EXPECT_FALSE(Registered("counter"));
    EXPECT_TRUE(plugin.Unload().leftovers.empty()) << "a second unload does nothing";
}

} // namespace
