// Loading, using and unloading an inspector library built like the real one:
// registrations come and go with the library, values and states are destroyed
// after the results are rendered, and exceptions thrown inside the library
// reach the host as the types they are.
#include "host/Veritor.h"

#include <algorithm>
#include <atomic>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>

namespace {

using veritor::ErrorKind;
using veritor::Plugin;
using veritor::QueryError;

bool Registered(const std::string& name) {
    auto entries = veritor::Vocabulary();
    return std::ranges::any_of(entries, [&](const auto& e) { return e.name == name; });
}

bool Mapped(const char* path) {
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr) {
        dlclose(handle);
    }
    return handle != nullptr;
}

std::string Journal(const char* path) {
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(handle, nullptr);
    auto journal = reinterpret_cast<const char* (*)()>(dlsym(handle, "TestInspectorsJournal"));
    std::string text = journal != nullptr ? journal() : "";
    dlclose(handle);
    return text;
}

std::string Only(const veritor::Result& result) {
    EXPECT_EQ(result.values.size(), 1u);
    return result.values.empty() ? "" : veritor::RenderText(result.values[0]);
}

ErrorKind KindOf(const char* query) {
    try {
        veritor::Run(query);
    } catch (const QueryError& error) {
        return error.Kind();
    }
    ADD_FAILURE() << query << " did not fail";
    return ErrorKind::Syntax;
}

TEST(PluginLifecycle, UnloadRemovesEveryRegistrationAndReallyUnloads) {
    {
        Plugin plugin(TEST_INSPECTORS);
        EXPECT_TRUE(Registered("counter"));
        EXPECT_TRUE(Registered("tally"));
        auto report = plugin.Unload();
        EXPECT_TRUE(report.leftovers.empty());
        EXPECT_FALSE(report.stillLoaded);
    }
    EXPECT_FALSE(Registered("counter"));
    EXPECT_FALSE(Mapped(TEST_INSPECTORS));
    EXPECT_THROW(veritor::Compile("counter of 1"), QueryError);

    Plugin again(TEST_INSPECTORS);
    EXPECT_EQ(Only(veritor::Run("counter of 5")), "#5");
    // A fresh load starts with fresh statics.
    EXPECT_EQ(Journal(TEST_INSPECTORS), "+5 ~5 ");
}

TEST(PluginLifecycle, ReportsAndDropsRegistrationsLeftBehind) {
    Plugin plugin(LEAKY_TEST_INSPECTORS);
    auto report = plugin.Unload();
    ASSERT_EQ(report.leftovers.size(), 1u);
    EXPECT_EQ(report.leftovers[0].name, "counter");
    EXPECT_EQ(report.leftovers[0].kind, "property");
    EXPECT_FALSE(Registered("counter"));
    EXPECT_TRUE(plugin.Unload().leftovers.empty()) << "a second unload does nothing";
}

TEST(PluginVocabulary, IsAttributedToTheLibraryFile) {
    Plugin plugin(TEST_INSPECTORS);
    auto entries = veritor::Vocabulary();
    auto counter = std::ranges::find_if(entries, [](const auto& e) { return e.name == "counter"; });
    ASSERT_NE(counter, entries.end());
    EXPECT_EQ(counter->library, "libtest_inspectors.so");
    auto length = std::ranges::find_if(entries, [](const auto& e) { return e.name == "length"; });
    ASSERT_NE(length, entries.end());
    EXPECT_EQ(length->library, "host");
}

class LoadedPlugin : public testing::Test {
protected:
    Plugin plugin{TEST_INSPECTORS};
};

TEST_F(LoadedPlugin, NoSuchObjectThrownInsideTheLibraryMeansNoValue) {
    EXPECT_EQ(KindOf("counter of -1"), ErrorKind::NoValue);
    // In the plural form, values without a value are skipped.
    veritor::Result result = veritor::Run("counters of (1; -1; 2)");
    EXPECT_EQ(result.values.size(), 2u);
}

TEST_F(LoadedPlugin, OtherExceptionsBecomeEvaluationErrorsWithTheirText) {
    const std::pair<const char*, const char*> cases[] = {
        {"broken of 1", "the broken property broke"},
        {"broken of 2", "The system broke."},
        {"broken of 3", "an inspector raised an exception that is not a standard exception"},
    };
    for (const auto& [query, text] : cases) {
        try {
            veritor::Run(query);
            ADD_FAILURE() << query;
        } catch (const QueryError& error) {
            EXPECT_EQ(error.Kind(), ErrorKind::Evaluation) << query;
            EXPECT_STREQ(error.what(), text) << query;
        }
    }
}

TEST_F(LoadedPlugin, DestroysValuesAndStatesAfterRenderingNewestFirst) {
    EXPECT_EQ(Only(veritor::Run("tally of (counter of 2; counter of 3)")), "5");
    EXPECT_EQ(Journal(TEST_INSPECTORS), "+2 +3 ~tally ~3 ~2 ");
}

TEST_F(LoadedPlugin, RendersLibraryValuesThroughTheirStringCast) {
    veritor::Result result = veritor::Run("(counter of 1, counter of 2)");
    EXPECT_EQ(result.type, "( counter, counter )");
    EXPECT_EQ(Only(result), "#1, #2");
}

TEST_F(LoadedPlugin, AcceptsADerivedTypeWhereItsBaseIsExpected) {
    EXPECT_EQ(Only(veritor::Run("special counter of 4 as string")), "#4");
    EXPECT_EQ(Only(veritor::Run("tally of (special counter of 4; special counter of 1)")), "5");
    EXPECT_EQ(KindOf("(counter of 1; special counter of 1)"), ErrorKind::Type);
}

TEST_F(LoadedPlugin, IteratesUntilNoSuchObject) {
    veritor::Result result = veritor::Run("digits of counter of 3");
    EXPECT_TRUE(result.plural);
    EXPECT_EQ(result.values.size(), 3u);
    EXPECT_EQ(veritor::Run("digits of counters of (2; 3)").values.size(), 5u);
    // The singular form wants exactly one value.
    EXPECT_EQ(Only(veritor::Run("digit of counter of 1")), "0");
    EXPECT_EQ(KindOf("digit of counter of 0"), ErrorKind::NoValue);
    EXPECT_EQ(KindOf("digit of counter of 2"), ErrorKind::Evaluation);
    EXPECT_EQ(KindOf("digit of counters of (1; 2)"), ErrorKind::Type);
}

// The values an iteration has produced so far are destroyed with the rest.
TEST_F(LoadedPlugin, EndsAnIterationWithTooManyValues) {
    EXPECT_EQ(veritor::Run("digits of counter of 3", {3}).values.size(), 3u);
    EXPECT_THROW(veritor::Run("digits of counter of 3", {2}), QueryError);
    EXPECT_THROW(veritor::Run("digits of counters of (2; 3)", {4}), QueryError);
    EXPECT_EQ(Journal(TEST_INSPECTORS), "+3 ~digits ~3 +3 ~digits ~3 +2 +3 ~digits ~digits ~3 ~2 ");
}

TEST_F(LoadedPlugin, AggregatesOverNothingStillFinish) {
    EXPECT_EQ(Only(veritor::Run("tally of ()")), "0");
    EXPECT_EQ(Only(veritor::Run("tallies of counter of 7")), "7");
    EXPECT_EQ(KindOf("tally of (1; 2)"), ErrorKind::Type);
}

TEST_F(LoadedPlugin, PassesTuplesAsChainsOfNodes) {
    EXPECT_EQ(Only(veritor::Run("pick (2, 10, 20)")), "20");
    EXPECT_EQ(Only(veritor::Run("pick (1, 10, 20)")), "10");
    EXPECT_EQ(KindOf("pick (1, 2)"), ErrorKind::Type);
}

TEST_F(LoadedPlugin, ChoosesLibraryOperatorsByOperandType) {
    EXPECT_EQ(Only(veritor::Run("counter of 1 + counter of 2")), "#3");
    EXPECT_EQ(Only(veritor::Run("1 + 2")), "3");
}

} // namespace

namespace {

TEST_F(LoadedPlugin, EvaluatesOnSeveralThreadsAtOnce) {
    // Each evaluation has its own arena and its own inspector memory; the
    // vocabulary is only read.
    std::vector<std::thread> threads;
    threads.reserve(4);
    std::atomic<int> right{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&right, t] {
            for (int i = 0; i < 50; ++i) {
                std::string n = std::to_string(t * 100 + i);
                veritor::Result result = veritor::Run("counter of " + n + " as string & \"!\"");
                if (result.values.size() == 1 && result.values[0].text == "#" + n + "!") {
                    ++right;
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(right.load(), 200);
}

} // namespace

namespace {

TEST_F(LoadedPlugin, FindsEveryEvaluatingThreadInitialisedForCom) {
    EXPECT_EQ(Only(veritor::Run("com ready")), "true");
    std::string onAnotherThread;
    std::thread([&] { onAnotherThread = Only(veritor::Run("com ready")); }).join();
    EXPECT_EQ(onAnotherThread, "true");
}

} // namespace
