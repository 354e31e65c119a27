// Products, statistics, trimmed strings and ropes of the real inspector
// library, as queries of the embedding API.
#ifdef INSPECTORS

#include "frame/VeritorInterface.h"
#include "host/Veritor.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using veritor::ErrorKind;
using veritor::QueryError;

class CoreInspectors : public testing::Test {
protected:
    veritor::Plugin plugin{INSPECTORS};
};

// The rendered single value of a query, or nothing when it has no value.
std::optional<std::string> Answer(const char* query) {
    try {
        const veritor::Result result = veritor::Run(query);
        EXPECT_EQ(result.values.size(), 1u) << query;
        return veritor::RenderText(result.values.at(0));
    } catch (const QueryError& error) {
        EXPECT_EQ(error.Kind(), ErrorKind::NoValue) << query << ": " << error.what();
        return std::nullopt;
    }
}

TEST_F(CoreInspectors, AnswerQueriesOverTheCoreVocabulary) {
    struct Case {
        const char* query;
        std::optional<std::string> answer;
    };
    const Case cases[] = {
        {"product of (2; 3; 7)", "42"},
        {"product of ()", "1"},
        {"product of (4294967296; 4294967296)", std::nullopt},
        {"product of (4294967296; 4294967296; 0)", std::nullopt},
        {"mean of (1; 2; 3; 4)", "2.5"},
        {"mean of (7.25)", "7.25"},
        {"standard deviation of (2; 4; 4; 4; 5; 5; 7; 9)", "2"},
        {"standard deviation of (2.0; 4.0)", "1"},
        {"numeric value of \"abc12def34\"", "12"},
        {"numeric value of \"-5\"", "5"},
        {"numeric value of \"abc\"", std::nullopt},
        {"numeric value of \"9223372036854775808\"", std::nullopt},
        {"\"  a b  \" as trimmed string", "a b"},
        {"\"  a b  \" as left trimmed string", "a b  "},
        {"\"  a b  \" as right trimmed string", "  a b"},
        {"(rope \"ab\" & \"cd\") as string", "abcd"},
        {"(\"<\" & rope \"ab\" & \">\") as string", "<ab>"},
        {"rope \"abc\" & \"def\" contains \"cd\"", "true"},
        {"rope \"abc\" & \"def\" contains \"CD\"", "false"},
        {"rope \"abc\" & \"def\" contains \"\"", "true"},
        {"length of (rope \"abc\" & rope \"de\")", "5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Answer(c.query), c.answer) << c.query;
    }
}

TEST_F(CoreInspectors, StandardDeviationCarriesTheInvalidFlagOfANegativeVariance) {
    const veritor::Result result = veritor::Run("standard deviation of (0.1; 0.1; 0.1)");
    ASSERT_EQ(result.values.size(), 1u);
    const veritor::FloatingPoint& value = result.values[0].floatingPoint;
    EXPECT_TRUE(std::isnan(value.number));
    EXPECT_NE(value.flags & FloatingPointInvalid, 0u);
}

} // namespace

#endif
