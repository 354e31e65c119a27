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

// What the loop must report after one piece has been fed with Continue.
struct AfterPiece {
    std::string piece;
    bool found;
    uint64 matchEnd;      // checked only when found
    uint32 matchedPrefix; // checked only when not found
};

struct PieceCase {
    const char* name;
    std::string target;
    std::vector<AfterPiece> pieces;
};

class MatchLoopPieces : public testing::TestWithParam<PieceCase> {};

TEST_P(MatchLoopPieces, ReportsEachPieceAsFed) {
    const PieceCase& c = GetParam();
    const PatternMatcher matcher(View(c.target));
    MatchLoop loop(&matcher);
    for (std::size_t i = 0; i < c.pieces.size(); ++i) {
        const AfterPiece& expected = c.pieces[i];
        loop.Continue(View(expected.piece));
        SCOPED_TRACE("piece " + std::to_string(i) + " '" + expected.piece + "'");
        ASSERT_EQ(loop.Found(), expected.found);
        if (expected.found) {
            EXPECT_EQ(loop.MatchEnd(), expected.matchEnd);
        } else {
            EXPECT_EQ(loop.MatchedPrefix(), expected.matchedPrefix);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchLoopPieces,
    testing::Values(
        PieceCase{"WholeTextInOnePiece", "abc", {{"xxabcxx", true, 5, 0}}},
        PieceCase{"SpanningThreePieces",
                  "abc",
                  {{"xa", false, 0, 1}, {"b", false, 0, 2}, {"cx", true, 1, 0}}},
        PieceCase{"CarriedPrefixFallsBackToShorterOne",
                  "aab",
                  {{"xaa", false, 0, 2}, {"ab", true, 2, 0}}},
        PieceCase{"EmptyPieceKeepsCarriedPrefix",
                  "abc",
                  {{"ab", false, 0, 2}, {"", false, 0, 2}, {"", false, 0, 2}, {"c", true, 1, 0}}}),
    [](const testing::TestParamInfo<PieceCase>& info) { return info.param.name; });

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
