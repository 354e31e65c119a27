// Ropes as the host builds and uses them: made from strings, concatenated in
// any arrangement, then measured, searched and turned into strings.
#include "inspectors/core/Rope.h"

#include "tests/support/InspectorLibrary.h"

#include <cstdint>
#include <deque>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>

using namespace RecordingHost;

namespace {

// Drives the registered rope vocabulary; the host keeps every value it builds
// until the test ends, as it keeps the values of one evaluation.
class RopeVocabulary : public LoadedInspectors {
protected:
    const Rope& Make(std::string_view text) {
        const string_value index = StringValue(text);
        return *Evaluate<Rope>(make, &index, nullptr);
    }
    const Rope& Concatenate(const Rope& left, std::string_view right) {
        const string_value text = StringValue(right);
        return *Evaluate<Rope>(ropeThenString, &left, &text);
    }
    const Rope& Concatenate(std::string_view left, const Rope& right) {
        const string_value text = StringValue(left);
        return *Evaluate<Rope>(stringThenRope, &text, &right);
    }
    const Rope& Concatenate(const Rope& left, const Rope& right) {
        return *Evaluate<Rope>(ropeThenRope, &left, &right);
    }
    bool Contains(const Rope& rope, std::string_view text) {
        const string_value target = StringValue(text);
        return *Evaluate<boolean_value>(contains, &rope, &target) == 1;
    }
    std::int64_t Length(const Rope& rope) {
        return Evaluate<integer>(length, nullptr, &rope)->Value();
    }
    const string_value* AsString(const Rope& rope) {
        return Evaluate<string_value>(asString, &rope);
    }
    std::string Read(const Rope& rope) { return std::string(View(*AsString(rope))); }

private:
    const PropertyCall make = Find<PropertyCall>("rope", "", "string");
    const BinaryOperatorCall ropeThenString =
        Find<BinaryOperatorCall>(OperatorConcatenate, "rope", "string");
    const BinaryOperatorCall stringThenRope =
        Find<BinaryOperatorCall>(OperatorConcatenate, "string", "rope");
    const BinaryOperatorCall ropeThenRope =
        Find<BinaryOperatorCall>(OperatorConcatenate, "rope", "rope");
    const BinaryOperatorCall contains =
        Find<BinaryOperatorCall>(OperatorContains, "rope", "string");
    const PropertyCall length = Find<PropertyCall>("length", "rope");
    const CastCall asString = Find<CastCall>("string", "rope");
};

// Only the pieces' bounds are read, so a piece may claim far more bytes than
// exist: two of 2^31 make a text of 2^32 bytes, whose length is counted in 32
// bits and which has no string value.
TEST_F(RopeVocabulary, LengthBeyondFourGibibytesIsCountedInThirtyTwoBits) {
    static const char byte = 'x';
    const Rope& half = Make(std::string_view(&byte, std::size_t{1} << 31));
    const Rope& whole = Concatenate(half, half);
    EXPECT_EQ(Length(half), std::int64_t{1} << 31);
    EXPECT_EQ(Length(whole), 0);
    EXPECT_EQ(Length(Concatenate(whole, "ab")), 2);
    EXPECT_FALSE(AsString(whole));
}

// Texts of many megabytes take a different copying path; pieces of odd
// lengths put every piece boundary at a different alignment.
TEST_F(RopeVocabulary, StringOfARopeOfManyMegabytesIsExact) {
    std::string text(std::size_t{9} << 20, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char>(i * 131 % 251);
    }
    const std::string_view all(text);
    const std::size_t cuts[] = {0, 1, 4'194'311, 4'194'314, 6'000'001, all.size()};
    const Rope* rope = &Make(all.substr(cuts[0], cuts[1] - cuts[0]));
    // A string operand becomes a piece by reference, not a copy.
    EXPECT_EQ(rope->piece.AsStringView().data(), all.data());
    for (std::size_t i = 1; i + 1 < std::size(cuts); ++i) {
        rope = &Concatenate(*rope, all.substr(cuts[i], cuts[i + 1] - cuts[i]));
    }
    const auto result = AsString(*rope);
    ASSERT_EQ(result->length, text.size());
    EXPECT_TRUE(View(*result) == all);
}

// A million concatenations onto one end make a tree a million nodes tall.
TEST_F(RopeVocabulary, VeryTallRopesAreWalkedWithoutExhaustingTheStack) {
    constexpr int height = 1'000'000;
    const Rope* growingRight = &Make("[");
    const Rope* growingLeft = &Make("]");
    for (int i = 0; i < height; ++i) {
        growingRight = &Concatenate(*growingRight, i % 2 ? "a" : "b");
        growingLeft = &Concatenate(i % 2 ? "a" : "b", *growingLeft);
    }
    const std::pair<const Rope*, std::string_view> expected[] = {{growingRight, "[bab"},
                                                                 {growingLeft, "abab"}};
    for (const auto& [rope, start] : expected) {
        EXPECT_EQ(Length(*rope), height + 1);
        const std::string text = Read(*rope);
        ASSERT_EQ(text.size(), height + 1u);
        EXPECT_EQ(text.substr(0, 4), start);
        EXPECT_TRUE(Contains(*rope, text.substr(text.size() - 5)));
        EXPECT_FALSE(Contains(*rope, "aa"));
    }
}

// Random trees over random pieces, empty ones too, against the joined text;
// searches for up to four letters, none included. Case matters.
TEST_F(RopeVocabulary, RandomTreesAgreeWithTheirJoinedText) {
    std::mt19937 random(99);
    const auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const auto letters = [&](std::size_t most) {
        std::string text(below(most + 1), 'a');
        for (char& c : text) {
            c = "abA"[below(3)];
        }
        return text;
    };
    std::deque<std::string> pieces; // the operands, which the ropes point into
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<std::pair<const Rope*, std::string>> made;
        const auto pick = [&] { return made[below(made.size())]; };
        for (int step = 0; step < 12; ++step) {
            const std::string& p = pieces.emplace_back(letters(3));
            const std::size_t kind = made.empty() ? 0 : below(4);
            if (kind == 0) {
                made.emplace_back(&Make(p), p);
            } else if (const auto [rope, text] = pick(); kind == 1) {
                made.emplace_back(&Concatenate(*rope, p), text + p);
            } else if (kind == 2) {
                made.emplace_back(&Concatenate(p, *rope), p + text);
            } else {
                const auto [other, otherText] = pick();
                made.emplace_back(&Concatenate(*rope, *other), text + otherText);
            }
        }
        const auto& [rope, text] = made.back();
        ASSERT_EQ(Read(*rope), text);
        ASSERT_EQ(Length(*rope), static_cast<std::int64_t>(text.size()));
        for (int probe = 0; probe < 6; ++probe) {
            const std::string target = letters(4);
            ASSERT_EQ(Contains(*rope, target), text.find(target) != std::string::npos)
                << text << " / " << target;
        }
    }
}

} // namespace
