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
        const boolean_value result = *Evaluate<boolean_value>(contains, &rope, &target);
        EXPECT_LE(result, 1);
        return result == 1;
    }
    std::int64_t Length(const Rope& rope) {
        return Evaluate<integer>(length, nullptr, &rope)->Value();
    }
    Produced<string_value> AsString(const Rope& rope) {
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

TEST_F(RopeVocabulary, ReadsMeasuresAndSearchesItsOperandsInOrder) {
    const Rope& empty = Make("");
    const Rope& framed = Concatenate(Concatenate("<", Make("mid")), ">");
    const struct {
        const Rope& rope;
        std::string_view text;
        std::vector<std::string_view> found, absent;
    } cases[] = {
        {empty, "", {""}, {"a"}},
        {Concatenate(empty, empty), "", {""}, {" "}},
        // Straddling pieces and operands; case matters.
        {Concatenate(framed, framed), "<mid><mid>", {"d><m", "<mid><mid>"}, {"MID", "<mid><mid><"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.rope), c.text);
        EXPECT_EQ(Length(c.rope), static_cast<std::int64_t>(c.text.size()));
        for (std::string_view target : c.found) {
            EXPECT_TRUE(Contains(c.rope, target)) << c.text << " / " << target;
        }
        for (std::string_view target : c.absent) {
            EXPECT_FALSE(Contains(c.rope, target)) << c.text << " / " << target;
        }
    }
    // A string operand becomes a piece by reference, not a copy.
    const std::string text = "shared";
    EXPECT_EQ(Make(text).piece.AsStringView().data(), text.data());
}

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

// Random trees over random pieces against the joined text.
TEST_F(RopeVocabulary, RandomTreesAgreeWithTheirJoinedText) {
    std::mt19937 random(99);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::deque<std::string> pieces; // stable addresses for the operands
    const auto piece = [&]() -> std::string_view {
        std::string& p = pieces.emplace_back(static_cast<std::size_t>(below(4)), 'a');
        for (char& c : p) {
            c = static_cast<char>('a' + below(2));
        }
        return p;
    };
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<std::pair<const Rope*, std::string>> made;
        for (int step = 0; step < 12; ++step) {
            const auto pick = [&]() -> const std::pair<const Rope*, std::string>& {
                return made[static_cast<std::size_t>(below(static_cast<int>(made.size())))];
            };
            const int kind = made.empty() ? 0 : below(4);
            if (kind == 0) {
                const std::string_view p = piece();
                made.emplace_back(&Make(p), std::string(p));
            } else if (kind == 1) {
                const auto [rope, text] = pick();
                const std::string_view p = piece();
                made.emplace_back(&Concatenate(*rope, p), text + std::string(p));
            } else if (kind == 2) {
                const auto [rope, text] = pick();
                const std::string_view p = piece();
                made.emplace_back(&Concatenate(p, *rope), std::string(p) + text);
            } else {
                const auto [left, leftText] = pick();
                const auto [right, rightText] = pick();
                made.emplace_back(&Concatenate(*left, *right), leftText + rightText);
            }
        }
        const auto& [rope, text] = made.back();
        ASSERT_EQ(Read(*rope), text);
        ASSERT_EQ(Length(*rope), static_cast<std::int64_t>(text.size()));
        for (int probe = 0; probe < 6; ++probe) {
            std::string target(static_cast<std::size_t>(1 + below(5)), 'a');
            for (char& c : target) {
                c = static_cast<char>('a' + below(2));
            }
            ASSERT_EQ(Contains(*rope, target), text.find(target) != std::string::npos)
                << text << " / " << target;
        }
    }
}

} // namespace
