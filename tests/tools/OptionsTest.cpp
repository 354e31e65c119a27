#include "tools/veritor/Options.h"

#include <gtest/gtest.h>

namespace {

using veritor::tool::Options;
using veritor::tool::ParseOptions;
using veritor::tool::QuerySource;
using veritor::tool::UsageError;

TEST(ToolOptions, KeepQueriesAndFilesInCommandLineOrder) {
    Options options =
        ParseOptions({"1", "-e", "2", "-f", "q.txt", "--types", "-3", "--", "--json"});
    ASSERT_EQ(options.sources.size(), 5u);
    EXPECT_EQ(options.sources[0].value, "1");
    EXPECT_EQ(options.sources[1].value, "2");
    EXPECT_EQ(options.sources[2].kind, QuerySource::Kind::File);
    EXPECT_EQ(options.sources[2].value, "q.txt");
    EXPECT_EQ(options.sources[3].value, "-3") << "a negative number is a query";
    EXPECT_EQ(options.sources[4].value, "--json") << "after -- everything is a query";
    EXPECT_TRUE(options.types);
    EXPECT_FALSE(options.json);
}

TEST(ToolOptions, CollectPlugins) {
    Options options =
        ParseOptions({"--plugin", "a.so", "--plugin", "b.so", "--vocabulary", "--json"});
    EXPECT_EQ(options.plugins, (std::vector<std::string>{"a.so", "b.so"}));
    EXPECT_TRUE(options.vocabulary);
    EXPECT_TRUE(options.json);
    EXPECT_TRUE(ParseOptions({"--no-plugin"}).noPlugin);
}

TEST(ToolOptions, RefuseWhatTheyCannotMeanSomething) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"-e"},
                                               {"-f"},
                                               {"--plugin"},
                                               {"--no-plugin", "--plugin", "x.so"},
                                               {"--markdown"},
                                               {"--vocabulary", "--json", "--markdown"},
                                               {"-x"}}) {
        EXPECT_THROW(ParseOptions(arguments), UsageError) << arguments[0];
    }
}

} // namespace
