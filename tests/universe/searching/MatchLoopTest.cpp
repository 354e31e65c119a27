#include "universe/searching/MatchLoop.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/searching/PatternMatcher.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

ConstData View(std::string_view text) {
    return ConstData(text);
}

TEST(PatternMatcher, LongTargetShiftsStayWithinAByteAndStillFindIt) {
    std::string target(300, 'a');
    target[0] = 'z'; // beyond the last 255 bytes: no effect on the table
    target[299] = 'b';
    const PatternMatcher matcher(View(target));
    EXPECT_EQ(matcher.Shift('z'), 255);
    EXPECT_EQ(matcher.Shift('a'), 1);
    const std::string text = std::string(1000, 'a') + target + "tail";
    MatchLoop loop(&matcher, View(text));
    ASSERT_TRUE(loop.Found());
    EXPECT_EQ(loop.MatchEnd(), 1300u);
}

TEST(MatchLoop, SearchForgetsWhatEarlierPiecesCarried) {
    const std::string target = "abc";
    const PatternMatcher matcher(View(target));
    MatchLoop loop(&matcher);
    loop.Continue(View("ab"));
    ASSERT_EQ(loop.MatchedPrefix(), 2u);
    loop.Search(View("c"));
    EXPECT_FALSE(loop.Found());
    EXPECT_EQ(loop.MatchedPrefix(), 0u);
}

TEST(PatternMatcher, EmptyTargetIsReportedAndRefused) {
    ReportedAssertions reported;
    EXPECT_THROW(PatternMatcher{ConstData()}, EmptySearchTarget);
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"theTarget.Length() > 0"});
}

} // namespace
