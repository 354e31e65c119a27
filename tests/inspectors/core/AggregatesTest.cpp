// "conjunction", "disjunction", "product", "mean", "standard deviation" and
// "numeric value", evaluated through the callbacks the host received.
#include "tests/support/InspectorLibrary.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace RecordingHost;

namespace {

constexpr std::int64_t two32 = std::int64_t{1} << 32;
constexpr std::int64_t largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t smallest = std::numeric_limits<std::int64_t>::min();

using CoreAggregates = LoadedInspectors;

std::vector<integer> Integers(std::initializer_list<std::int64_t> values) {
    return std::vector<integer>(values.begin(), values.end());
}

TEST_F(CoreAggregates, BooleansFoldWithTheFirstElementOtherThanTheIdentityDeciding) {
    struct Case {
        std::vector<boolean_value> elements;
        boolean_value conjunction;
        boolean_value disjunction;
    };
    const Case cases[] = {
        {{}, 1, 0},     {{1}, 1, 1},       {{0}, 0, 0},       {{1, 1, 0, 1}, 0, 1},
        {{0, 0}, 0, 0}, {{0, 1, 0}, 0, 1}, {{1, 1, 1}, 1, 1},
    };
    const auto conjunction = Find<AggregatePropertyCall>("conjunction", "boolean");
    const auto disjunction = Find<AggregatePropertyCall>("disjunction", "boolean");
    for (const Case& c : cases) {
        const auto elements = testing::PrintToString(c.elements);
        EXPECT_EQ(*RunAggregate<boolean_value>(conjunction, c.elements), c.conjunction) << elements;
        EXPECT_EQ(*RunAggregate<boolean_value>(disjunction, c.elements), c.disjunction) << elements;
    }
}

TEST_F(CoreAggregates, ProductIsExactOrHasNoValue) {
    struct Case {
        std::vector<integer> elements;
        std::optional<std::int64_t> product;
    };
    const Case cases[] = {
        {Integers({}), 1},
        {Integers({2, 3, 7}), 42},
        {Integers({-3, 4}), -12},
        {Integers({5, 0, 9}), 0},
        {Integers({two32, two32}), std::nullopt},
        {Integers({-1, smallest}), std::nullopt},
        {Integers({-1, largest}), -largest},
        {Integers({two32, two32, 0}), std::nullopt}, // an overflow is final
        {Integers({two32, -two32 / 2}), smallest},
    };
    const auto call = Find<AggregatePropertyCall>("product", "integer");
    for (const Case& c : cases) {
        const auto result = RunAggregate<integer>(call, c.elements);
        ASSERT_EQ(bool(result), c.product.has_value()) << testing::PrintToString(c.product);
        if (result) {
            EXPECT_EQ(result->Value(), *c.product);
        }
    }
}

struct Statistic {
    const char* name;
    std::vector<double> elements;
    double expected;
};

// Each case runs over "floating point" elements and, where the elements are
// whole numbers, over the same values as "integer" elements.
TEST_F(CoreAggregates, MeanAndStandardDeviationOverBothElementTypes) {
    const Statistic cases[] = {
        {"mean", {1, 2, 3, 4}, 2.5},
        {"mean", {7.25}, 7.25},
        {"mean", {-2, 2}, 0},
        {"standard deviation", {2, 4, 4, 4, 5, 5, 7, 9}, 2}, // population, not sample
        {"standard deviation", {42}, 0},
        {"standard deviation", {1, 3}, 1},
    };
    for (const Statistic& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " of " + testing::PrintToString(c.elements));
        std::vector<floating_point> floats;
        std::vector<integer> integers;
        for (double e : c.elements) {
            floats.emplace_back(e, floating_point().Second(), 0);
            if (e == std::floor(e)) {
                integers.emplace_back(static_cast<std::int64_t>(e));
            }
        }
        const auto overFloats = RunAggregate<floating_point>(
            Find<AggregatePropertyCall>(c.name, "floating point"), floats);
        EXPECT_DOUBLE_EQ(overFloats->Number(), c.expected);
        EXPECT_EQ(overFloats->Second(), floating_point().Second());
        if (integers.size() == c.elements.size()) {
            const auto overIntegers = RunAggregate<floating_point>(
                Find<AggregatePropertyCall>(c.name, "integer"), integers);
            EXPECT_DOUBLE_EQ(overIntegers->Number(), c.expected);
        }
    }
}

TEST_F(CoreAggregates, StandardDeviationKeepsTheFlagsOfANegativeRoundedVariance) {
    // The mean of the squares rounds below the square of the mean.
    const std::vector<floating_point> elements(3, floating_point(0.1, 0, 0));
    const auto result = RunAggregate<floating_point>(
        Find<AggregatePropertyCall>("standard deviation", "floating point"), elements);
    EXPECT_TRUE(std::isnan(result->Number()));
    EXPECT_NE(result->Flags() & FloatingPointInvalid, 0u);
}

TEST_F(CoreAggregates, StandardDeviationReportsOnlyFlagsOfItsOwnStep) {
    // An exact deviation raises nothing, whatever was raised before.
    std::feraiseexcept(FE_INVALID | FE_INEXACT);
    const auto result = RunAggregate<floating_point>(
        Find<AggregatePropertyCall>("standard deviation", "integer"), Integers({1, 3}));
    EXPECT_EQ(result->Flags(), 0u);
}

TEST_F(CoreAggregates, NumericValueReadsTheFirstRunOfDigits) {
    struct Case {
        std::string text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"abc12def34", 12},
        {"-5", 5},
        {"007", 7},
        {"9223372036854775807", largest},
        {"9223372036854775808", std::nullopt},
        {"25000000000000000000", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {std::string(1, '\0') + "4", 4},
        {"0", 0},
    };
    const auto call = Find<PropertyCall>("numeric value", "string");
    for (const Case& c : cases) {
        const string_value text = StringValue(c.text);
        const auto value = Evaluate<integer>(call, nullptr, &text);
        ASSERT_EQ(bool(value), c.value.has_value()) << c.text;
        if (value) {
            EXPECT_EQ(value->Value(), *c.value) << c.text;
        }
    }
}

} // namespace
