#include "universe/searching/PatternMatcher.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::optional<uint32> Expected(const std::string& text, const std::string& target) {
    const std::size_t at = text.find(target);
    return at == std::string::npos ? std::nullopt : std::optional<uint32>(uint32(at));
}

// Targets of every length the vector path takes, in texts just long enough
// for its last, overlapping block and a little longer, with one occurrence
// at each place, near misses (end bytes agree, one inner byte does not)
// around it, and none at all.
TEST(PatternMatcher, FirstInAgreesWithFindAtEveryPlace) {
    for (std::size_t length = 2; length < 40; ++length) {
        std::string target(length, 'b');
        target.front() = 'a';
        target.back() = 'c';
        std::string nearMiss = target;
        nearMiss[length / 2] = 'x';
        const PatternMatcher matcher{ConstData(target)};
        for (std::size_t size = length; size < length + 40; ++size) {
            for (std::size_t place = 0; place <= size - length + 1; ++place) {
                std::string text(size, 'b');
                // Near misses fill the text, and the target goes to `place`
                // (or nowhere, past the last place).
                for (std::size_t at = 0; at + length <= size; at += length) {
                    text.replace(at, length, nearMiss);
                }
                if (place + length <= size) {
                    text.replace(place, length, target);
                }
                EXPECT_EQ(matcher.FirstIn(ConstData(text)), Expected(text, target))
                    << "target of " << length << " in " << size << " bytes at " << place;
            }
        }
    }
}

std::size_t LongestProperPrefixAtEnd(const std::string& text, const std::string& target) {
    std::size_t prefix = std::min(text.size(), target.size() - 1);
    while (prefix > 0 && text.compare(text.size() - prefix, prefix, target, 0, prefix) != 0) {
        --prefix;
    }
    return prefix;
}

// Texts that end with each prefix of a target whose first byte recurs in it,
// so that shorter prefixes end the text as well, against a plain search.
TEST(PatternMatcher, LongestPrefixEndingIsTheLongestProperOne) {
    for (std::size_t length = 1; length < 40; ++length) {
        std::string target(length, 'b');
        for (std::size_t at = 0; at < length; at += 3) {
            target[at] = 'a';
        }
        const PatternMatcher matcher{ConstData(target)};
        for (std::size_t size = length - 1; size < length + 20; ++size) {
            for (std::size_t prefix = 0; prefix <= std::min(size, length); ++prefix) {
                std::string text(size, 'b');
                text.replace(size - prefix, prefix, target, 0, prefix);
                EXPECT_EQ(matcher.LongestPrefixEnding(ConstData(text)),
                          LongestProperPrefixAtEnd(text, target))
                    << "target of " << length << ", text of " << size << " ending with "
                    << prefix;
            }
        }
    }
}

} // namespace
