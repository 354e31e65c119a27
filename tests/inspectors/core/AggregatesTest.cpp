// "conjunction", "disjunction", "product", "mean", "standard deviation" and
// "numeric value", evaluated through the callbacks the host received.
#include "tests/support/InspectorLibrary.h"

#include <cfenv>
#include <cmath>
#include <deque>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

using namespace RecordingHost;

namespace {

// An aggregate over its elements, written apart by spaces, or "numeric
// value" of its operand; and the result: booleans as 0 or 1, floating-point
// numbers with the names of the flags they carry, "-" for no value.
struct Row {
    const char* name;
    const char* type;
    std::string operand;
    const char* result;
};

const Row rows[] = {
    {"conjunction", "boolean", "", "1"},
    {"conjunction", "boolean", "1 1 0 1", "0"},
    {"conjunction", "boolean", "1 1 1", "1"},
    {"disjunction", "boolean", "", "0"},
    {"disjunction", "boolean", "0 1 0", "1"},
    {"disjunction", "boolean", "0 0", "0"},
    {"product", "integer", "", "1"},
    {"product", "integer", "2 3 7", "42"},
    {"product", "integer", "-3 4", "-12"},
    {"product", "integer", "5 0 9", "0"},
    {"product", "integer", "4294967296 4294967296", "-"},
    {"product", "integer", "4294967296 4294967296 0", "-"}, // an overflow is final
    {"product", "integer", "-1 -9223372036854775808", "-"},
    {"product", "integer", "-1 9223372036854775807", "-9223372036854775807"},
    {"product", "integer", "4294967296 -2147483648", "-9223372036854775808"},
    {"mean", "floating point", "1 2 3 4", "2.5"},
    {"mean", "integer", "1 2 3 4", "2.5"},
    {"mean", "floating point", "7.25", "7.25"},
    {"mean", "integer", "-2 2", "0"},
    {"standard deviation", "floating point", "2 4 4 4 5 5 7 9", "2"}, // of the population
    {"standard deviation", "integer", "2 4 4 4 5 5 7 9", "2"},
    {"standard deviation", "floating point", "42", "0"},
    {"standard deviation", "integer", "1 3", "1"},
    // The mean of the squares rounds below the square of the mean.
    {"standard deviation", "floating point", "0.1 0.1 0.1", "nan inexact invalid"},
    {"numeric value", "string", "abc12def34", "12"},
    {"numeric value", "string", "-5", "5"},
    {"numeric value", "string", "007", "7"},
    {"numeric value", "string", "0", "0"},
    {"numeric value", "string", "9223372036854775807", "9223372036854775807"},
    {"numeric value", "string", "9223372036854775808", "-"},
    {"numeric value", "string", "25000000000000000000", "-"},
    {"numeric value", "string", "", "-"},
    {"numeric value", "string", "abc", "-"},
    {"numeric value", "string", std::string("\0004", 2), "4"}, // a zero byte, then 4
};

std::string Shown(const void* value, const Text& type) {
    std::ostringstream text;
    if (value == nullptr) {
        text << "-";
    } else if (type == "boolean") {
        text << int{*static_cast<const boolean_value*>(value)};
    } else if (type == "integer") {
        text << static_cast<const integer*>(value)->Value();
    } else {
        const auto& number = *static_cast<const floating_point*>(value);
        std::isnan(number.Number()) ? text << "nan" : text << number.Number();
        const char* const flags[] = {"inexact", "underflow", "overflow", "division by zero",
                                     "invalid"};
        for (std::uint32_t bit = 0; bit < std::size(flags); ++bit) {
            if (number.Flags() & 1u << bit) {
                text << " " << flags[bit];
            }
        }
        if (number.Second() != floating_point().Second()) {
            text << " second " << number.Second();
        }
    }
    return text.str();
}

using CoreAggregates = LoadedInspectors;

// Every row runs with every floating-point flag already raised: a result
// carries only those of its own computation.
TEST_F(CoreAggregates, GiveTheseResults) {
    for (const Row& row : rows) {
        std::feraiseexcept(FE_ALL_EXCEPT);
        SCOPED_TRACE(testing::Message() << row.name << " of " << row.type << " "
                                        << testing::PrintToString(row.operand));
        if (row.type == std::string_view("string")) {
            const auto call = Find<PropertyCall>(row.name, row.type);
            const string_value text = StringValue(row.operand);
            EXPECT_EQ(Shown(Evaluate(call, nullptr, &text), call.resultType), row.result);
            continue;
        }
        std::deque<integer> integers;
        std::deque<boolean_value> booleans;
        std::deque<floating_point> floats;
        std::vector<const void*> elements;
        std::istringstream words(row.operand);
        for (std::string word; words >> word;) {
            if (row.type == std::string_view("boolean")) {
                elements.push_back(&booleans.emplace_back(word == "1"));
            } else if (row.type == std::string_view("integer")) {
                elements.push_back(&integers.emplace_back(std::stoll(word)));
            } else {
                elements.push_back(
                    &floats.emplace_back(std::stod(word), floating_point().Second(), 0));
            }
        }
        const auto call = Find<AggregatePropertyCall>(row.name, row.type);
        EXPECT_EQ(Shown(RunAggregate(call, elements), call.resultType), row.result);
    }
}

} // namespace
