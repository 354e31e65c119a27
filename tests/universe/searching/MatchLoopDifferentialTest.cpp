// Random texts cut into random pieces, searched piece by piece, against a
// plain search of the joined text.
#include "universe/searching/MatchLoop.h"
#include "universe/searching/PatternMatcher.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

ConstData View(std::string_view text) {
    return ConstData(text);
}

// Ends of every occurrence of `target` in `text`, overlapping ones included.
std::vector<std::size_t> OccurrenceEnds(std::string_view text, std::string_view target) {
    std::vector<std::size_t> ends;
    for (std::size_t at = text.find(target); at != std::string_view::npos;
         at = text.find(target, at + 1)) {
        ends.push_back(at + target.size());
    }
    return ends;
}

// Length of the longest proper prefix of `target` that `text` ends with.
std::size_t LongestPrefixEnding(std::string_view text, std::string_view target) {
    for (std::size_t n = std::min(text.size(), target.size() - 1); n > 0; --n) {
        if (text.substr(text.size() - n) == target.substr(0, n)) {
            return n;
        }
    }
    return 0;
}

class Generator {
public:
    explicit Generator(unsigned seed)
        : random(seed) {}

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }

    // Few distinct letters, so that partial matches abound.
    std::string Text(std::size_t length, std::size_t alphabet) {
        std::string text(length, 'a');
        for (char& c : text) {
            c = static_cast<char>('a' + Below(alphabet));
        }
        return text;
    }

    // Either a slice of the text (so it occurs) or fresh letters.
    std::string Target(const std::string& text, std::size_t alphabet) {
        const std::size_t length = 1 + (Below(8) == 0 ? Below(300) : Below(8));
        if (Below(2) == 0 && text.size() >= length) {
            return text.substr(Below(text.size() - length + 1), length);
        }
        return Text(length, alphabet);
    }

    // Cut points, with empty pieces now and then.
    std::vector<std::string_view> Pieces(std::string_view text) {
        std::vector<std::string_view> pieces;
        std::size_t at = 0;
        while (at < text.size()) {
            static constexpr std::size_t longest[] = {0, 4, 4, 64, 64, 400};
            const std::size_t bound = longest[Below(std::size(longest))];
            const std::size_t length =
                bound == 0 ? 0 : std::min(text.size() - at, 1 + Below(bound));
            pieces.push_back(text.substr(at, length));
            at += length;
        }
        if (Below(3) == 0) {
            pieces.push_back(text.substr(text.size()));
        }
        return pieces;
    }

private:
    std::mt19937 random;
};

TEST(MatchLoopDifferential, PiecewiseSearchAgreesWithSearchOfJoinedText) {
    Generator generate(20260115);
    for (int trial = 0; trial < 20000; ++trial) {
        const std::size_t alphabet = 1 + generate.Below(4);
        const std::string text = generate.Text(generate.Below(800), alphabet);
        const std::string target = generate.Target(text, alphabet);
        const std::vector<std::size_t> expectedEnds = OccurrenceEnds(text, target);

        const PatternMatcher matcher(View(target));
        MatchLoop loop(&matcher);
        std::vector<std::size_t> ends;
        std::size_t fed = 0;
        for (std::string_view piece : generate.Pieces(text)) {
            loop.Continue(View(piece));
            for (; loop.Found(); loop.Next()) {
                ends.push_back(fed + loop.MatchEnd());
            }
            fed += piece.size();
            ASSERT_EQ(loop.MatchedPrefix(),
                      LongestPrefixEnding(std::string_view(text).substr(0, fed), target))
                << "trial " << trial << " target " << target << " after " << fed;
        }
        ASSERT_EQ(ends, expectedEnds)
            << "trial " << trial << " text " << text << " target " << target;
    }
}

} // namespace
