#include "universe/searching/MatchLoop.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/searching/PatternMatcher.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Targets longer than the shifts reach (255 bytes) are the match_loop
// fuzzer's corpus's, replayed with the tests.
TEST(MatchLoop, SearchForgetsWhatEarlierPiecesCarried) {
    const PatternMatcher matcher("abc");
    MatchLoop loop(&matcher);
    loop.Continue("ab");
    ASSERT_EQ(loop.MatchedPrefix(), 2u);
    loop.Search("c");
    EXPECT_FALSE(loop.Found());
    EXPECT_EQ(loop.MatchedPrefix(), 0u);
}

TEST(PatternMatcher, EmptyTargetIsReportedAndRefused) {
    ReportedAssertions reported;
    EXPECT_THROW(PatternMatcher{ConstData()}, EmptySearchTarget);
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"theTarget.Length() > 0"});
}

// Random texts cut into random pieces, searched piece by piece, against a
// plain search of the joined text. Pieces of every length up to 400 send
// the matcher's whole-piece search and its prefix search down each of their
// paths (single byte, vector blocks with their overlapping last block, pair
// skipping) at every alignment.
TEST(MatchLoop, PiecewiseSearchAgreesWithSearchOfJoinedText) {
    std::mt19937 random(20260115);
    const auto below = [&](std::size_t n) { return std::size_t(random() % n); };
    // Few distinct letters, so that partial matches abound.
    const auto letters = [&](std::size_t length, std::size_t alphabet) {
        std::string text(length, 'a');
        for (char& c : text) {
            c = char('a' + below(alphabet));
        }
        return text;
    };
    // Piece lengths up to these, 0 for an empty piece.
    const std::size_t longest[] = {0, 4, 4, 64, 64, 400};
    for (int trial = 0; trial < 20000; ++trial) {
        const std::size_t alphabet = 1 + below(4);
        const std::string text = letters(below(800), alphabet);
        // A slice of the text (so it occurs) or fresh letters, now and then
        // longer than the shifts reach.
        const std::size_t length = 1 + (below(8) == 0 ? below(300) : below(8));
        const std::string target = below(2) == 0 && text.size() >= length
                                       ? text.substr(below(text.size() - length + 1), length)
                                       : letters(length, alphabet);
        const PatternMatcher matcher{ConstData(target)};
        MatchLoop loop(&matcher);
        std::size_t fed = 0, next = text.find(target); // the next occurrence expected
        do {
            const std::size_t bound = longest[below(std::size(longest))];
            const std::size_t size = bound == 0 ? 0 : std::min(text.size() - fed, 1 + below(bound));
            loop.Continue(ConstData(text.data() + fed, size));
            for (; loop.Found(); loop.Next()) {
                ASSERT_EQ(fed + loop.MatchEnd(), next + length) << "trial " << trial;
                next = text.find(target, next + 1);
            }
            fed += size;
            ASSERT_TRUE(next == std::string::npos || next + length > fed) << "trial " << trial;
            // The longest proper target prefix that the text so far ends with.
            std::size_t prefix = std::min(fed, length - 1);
            while (prefix > 0 && text.compare(fed - prefix, prefix, target, 0, prefix) != 0) {
                --prefix;
            }
            ASSERT_EQ(loop.MatchedPrefix(), prefix) << "trial " << trial << " after " << fed;
        } while (fed < text.size() || below(3) == 0); // empty pieces after the end too
    }
}

} // namespace
