// The three trimmed-string casts: slices of the operand without white space
// (tab, line feed, carriage return, space) at one end or both.
#include "tests/support/InspectorLibrary.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using namespace RecordingHost;

namespace {

struct Case {
    std::string text;
    // What each cast keeps, as (offset, length) into the operand.
    std::size_t leftOffset;
    std::size_t rightLength;
    std::size_t bothOffset, bothLength;
};

using TrimmedStrings = LoadedInspectors;

TEST_F(TrimmedStrings, KeepTheOperandsBytesBetweenItsOuterWhiteSpace) {
    const Case cases[] = {
        {"", 0, 0, 0, 0},
        {"  \t\r\n", 5, 0, 5, 0},
        {"  a b  ", 2, 5, 2, 3},
        {"\vab\f", 0, 4, 0, 4}, // vertical tab and form feed are not white space
        {std::string("\0a\0", 3), 0, 3, 0, 3},
        {"\x80 x \xA0", 0, 5, 0, 5},
        {"x", 0, 1, 0, 1},
        {"\tx", 1, 2, 1, 1},
        {"x\n", 0, 1, 0, 1},
    };
    const auto left = Find<CastCall>("left trimmed string", "string");
    const auto right = Find<CastCall>("right trimmed string", "string");
    const auto both = Find<CastCall>("trimmed string", "string");
    for (const Case& c : cases) {
        const string_value operand = StringValue(c.text);
        SCOPED_TRACE(testing::PrintToString(c.text));
        const string_value l = *Evaluate<string_value>(left, &operand),
                           r = *Evaluate<string_value>(right, &operand),
                           b = *Evaluate<string_value>(both, &operand);
        EXPECT_EQ(l.start, operand.start + c.leftOffset);
        EXPECT_EQ(l.length, c.text.size() - c.leftOffset);
        EXPECT_EQ(r.start, operand.start);
        EXPECT_EQ(r.length, c.rightLength);
        EXPECT_EQ(b.start, operand.start + c.bothOffset);
        EXPECT_EQ(b.length, c.bothLength);
    }
}

} // namespace
