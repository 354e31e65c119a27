// Ropes as the host builds and uses them: made from strings, concatenated in
// any arrangement, then measured, searched and turned into strings.
#include "inspectors/core/Rope.h"

#include "tests/inspectors/InspectorLibrary.h"
#include "tests/inspectors/RecordingHost.h"

#include <cstdint>
#include <deque>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>

using namespace RecordingHost;

namespace {

string_value Text(std::string_view text) {
    return string_value{text.data(), static_cast<std::uint32_t>(text.size())};
}

std::string Read(const string_value& text) {
    return std::string(text.start, text.length);
}

// Drives the registered rope vocabulary, keeping every value it builds alive
// as the host keeps the values of one evaluation.
class RopeVocabulary : public LoadedInspectors {
protected:
    const Rope& Make(std::string_view text) {
        const string_value index = Text(text);
        return *static_cast<Rope*>(
            make.evaluate(NewRope(), &index, nullptr, nullptr, make.registration));
    }
    const Rope& Concatenate(const Rope& left, std::string_view right) {
        const string_value text = Text(right);
        return Apply(ropeThenString, &left, &text);
    }
    const Rope& Concatenate(std::string_view left, const Rope& right) {
        const string_value text = Text(left);
        return Apply(stringThenRope, &text, &right);
    }
    const Rope& Concatenate(const Rope& left, const Rope& right) {
        return Apply(ropeThenRope, &left, &right);
    }

    bool Contains(const Rope& rope, std::string_view text) {
        const auto call = FindBinaryOperator(OperatorContains, "rope", "string").value();
        const string_value target = Text(text);
        boolean_value result = 2;
        EXPECT_EQ(call.evaluate(&result, &rope, &target, call.registration), &result);
        EXPECT_LE(result, 1);
        return result == 1;
    }
    std::int64_t Length(const Rope& rope) {
        const auto call = FindProperty("length", "rope").value();
        integer result;
        call.evaluate(&result, nullptr, &rope, nullptr, call.registration);
        return result.Value();
    }
    string_value AsString(const Rope& rope) {
        const auto call = FindCast("string", "rope").value();
        string_value result{};
        EXPECT_EQ(call.evaluate(&result, &rope, call.registration), &result);
        return result;
    }

private:
    void* NewRope() { return &nodes.emplace_back(); }
    const Rope& Apply(const BinaryOperatorCall& call, const void* left, const void* right) {
        return *static_cast<Rope*>(call.evaluate(NewRope(), left, right, call.registration));
    }

    const PropertyCall make = FindProperty("rope", "").value();
    const BinaryOperatorCall ropeThenString =
        FindBinaryOperator(OperatorConcatenate, "rope", "string").value();
    const BinaryOperatorCall stringThenRope =
        FindBinaryOperator(OperatorConcatenate, "string", "rope").value();
    const BinaryOperatorCall ropeThenRope =
        FindBinaryOperator(OperatorConcatenate, "rope", "rope").value();
    std::deque<Rope> nodes;
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
        EXPECT_EQ(Read(AsString(c.rope)), c.text);
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
    const auto cast = FindCast("string", "rope").value();
    string_value result{};
    EXPECT_THROW(cast.evaluate(&result, &whole, cast.registration), NoSuchObject);
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
    const string_value result = AsString(*rope);
    ASSERT_EQ(result.length, text.size());
    EXPECT_TRUE(std::string_view(result.start, result.length) == all);
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
        const std::string text = Read(AsString(*rope));
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
        ASSERT_EQ(Read(AsString(*rope)), text);
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
