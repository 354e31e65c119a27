#include "universe/buffers/ConstData.h"

#include "tests/universe/exceptions/ReportedAssertions.h"
#include "universe/buffers/Data.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Conditions = std::vector<std::string>;

TEST(ConstData, EmptyViewsAreValidAndEqualWhateverTheirPointers) {
    const char text[] = "xyz";
    const ConstData null;
    const ConstData emptyAtText(text, 0);
    EXPECT_EQ(null.Length(), 0u);
    EXPECT_TRUE(null.Valid());
    EXPECT_TRUE(null.IsEmpty());
    EXPECT_TRUE(emptyAtText.Valid());
    EXPECT_EQ(null, emptyAtText);
    EXPECT_EQ(Compare(null, emptyAtText), 0);
    EXPECT_TRUE(ConstData(static_cast<const uint8*>(nullptr), 0).Valid());
}

TEST(ConstData, ConstructorsReportInconsistentBoundsAndStayEmpty) {
    const char text[] = "abcdef";
    struct Case {
        const char* name;
        ConstData (*make)(const char*);
        Conditions reported;
    };
    const Case cases[] = {
        {"end before start",
         [](const char* t) { return ConstData(t + 3, t + 1); },
         {"theEnd >= theStart"}},
        {"null start, non-null end",
         [](const char* t) { return ConstData(static_cast<const char*>(nullptr), t); },
         {"theStart != 0 || theEnd == 0"}},
        {"null start with a length",
         [](const char*) { return ConstData(static_cast<const uint8*>(nullptr), 5); },
         {"theStart != 0 || theLength == 0"}},
        {"negative length", [](const char* t) { return ConstData(t, -1); }, {"theLength >= 0"}},
    };
    for (const Case& c : cases) {
        ReportedAssertions reported;
        const ConstData made = c.make(text);
        EXPECT_EQ(reported.Conditions(), c.reported) << c.name;
        EXPECT_TRUE(made.Valid()) << c.name;
        EXPECT_EQ(made.Length(), 0u) << c.name;
    }
}

TEST(ConstData, SlicesAtTheEndAreAllowedAndBeyondAreReported) {
    const ConstData abc("abc");
    {
        ReportedAssertions reported;
        EXPECT_TRUE(abc.First(3) == abc);
        EXPECT_TRUE(abc.After(3).IsEmpty());
        EXPECT_TRUE(abc.After(0) == abc);
        EXPECT_EQ(abc.Range(1, 3), ConstData("bc"));
        EXPECT_EQ(abc[2], 'c');
        EXPECT_TRUE(reported.None());
    }
    ReportedAssertions reported;
    EXPECT_EQ(abc[3], 0);
    EXPECT_EQ(abc.First(4), abc);
    EXPECT_TRUE(abc.After(4).IsEmpty());
    EXPECT_TRUE(abc.Range(2, 1).IsEmpty());
    EXPECT_EQ(abc.Range(1, 9), ConstData("bc"));
    ConstData advanced = abc;
    advanced.Advance(5);
    EXPECT_TRUE(advanced.Exhausted());
    EXPECT_EQ(reported.Conditions(),
              (Conditions{"i < Length()", "position <= Length()", "position <= Length()", "s <= e",
                          "e <= Length()", "amount <= Length()"}));
}

TEST(ConstData, ThreeWayComparisons) {
    struct Case {
        std::string a;
        std::string b;
        int fromStart;
        int fromEnd;
    };
    const Case cases[] = {
        {"ab", "abc", -1, 'b' - 'c'},
        {"abd", "abc", 1, 1},
        {"abc", "abc", 0, 0},
        {"xbc", "abc", 'x' - 'a', 'x' - 'a'},
        {"bc", "abc", 'b' - 'a', -1},
        {"abc", "bc", 'a' - 'b', 1},
        {"", "", 0, 0},
        {"", "a", -1, -1},
        {"\x80", "a", 0x80 - 'a', 0x80 - 'a'},
        {"a", "\xff", 'a' - 0xff, 'a' - 0xff},
    };
    for (const Case& c : cases) {
        const ConstData a(c.a);
        const ConstData b(c.b);
        EXPECT_EQ(Compare(a, b), c.fromStart) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareFromEnd(a, b), c.fromEnd) << c.a << " vs " << c.b;
        EXPECT_EQ(a < b, c.fromStart < 0) << c.a << " vs " << c.b;
        EXPECT_EQ(a <= b, c.fromStart <= 0) << c.a << " vs " << c.b;
        EXPECT_EQ(a == b, c.fromStart == 0) << c.a << " vs " << c.b;
        EXPECT_EQ(a != b, c.fromStart != 0) << c.a << " vs " << c.b;
    }
}

TEST(ConstData, StartsEndsAndContains) {
    struct Case {
        const char* text;
        const char* part;
        bool starts;
        bool ends;
        bool contains;
    };
    const Case cases[] = {
        {"hello world", "hello", true, false, true},
        {"hello world", "world", false, true, true},
        {"hello world", "o w", false, false, true},
        {"hello world", "", true, true, true},
        {"", "", true, true, true},
        {"", "a", false, false, false},
        {"abc", "abcd", false, false, false},
        {"aaab", "aab", false, true, true},
        {"abab", "abb", false, false, false},
        {"abc", "abc", true, true, true},
    };
    for (const Case& c : cases) {
        const ConstData text(c.text, std::char_traits<char>::length(c.text));
        const ConstData part(c.part, std::char_traits<char>::length(c.part));
        EXPECT_EQ(text.StartsWith(part), c.starts) << c.text << " / " << c.part;
        EXPECT_EQ(text.EndsWith(part), c.ends) << c.text << " / " << c.part;
        EXPECT_EQ(text.Contains(part), c.contains) << c.text << " / " << c.part;
    }
    EXPECT_TRUE(ConstData().Contains(ConstData()));
}

TEST(ConstData, ConvertsToAStringOfTheSameBytes) {
    const char bytes[] = {'a', '\0', 'b'};
    EXPECT_EQ(ConstData(bytes, 3).AsString(), std::string(bytes, 3));
    EXPECT_EQ(ConstData().AsString(), "");
}

TEST(ConstData, CharacterArraysAreTakenUpToTheirTerminator) {
    char buffer[16] = "ab";
    EXPECT_EQ(ConstData(buffer).Length(), 2u);
    EXPECT_EQ(ConstData("literal").Length(), 7u);
}

TEST(ConstData, CopyIntoCopiesWhatFitsAndReturnsTheRest) {
    char target[4] = {};
    const ConstData source("0123456789");
    const ConstData rest = source.CopyInto(Data(target, 4));
    EXPECT_EQ(std::string(target, 4), "0123");
    EXPECT_EQ(rest, ConstData("456789"));

    char roomy[12] = {};
    EXPECT_TRUE(source.CopyInto(Data(roomy, 12)).IsEmpty());
    EXPECT_EQ(std::string(roomy, 10), "0123456789");
}

TEST(ConstData, CopyIntoOverlappingBytesCopiesFirstToLast) {
    // Onto an earlier position the bytes arrive intact; onto a later one the
    // forward copy repeats what it has already written.
    char block[] = "abcdefgh";
    ConstData(block + 2, 4).CopyInto(Data(block, 4));
    EXPECT_EQ(std::string(block), "cdefefgh");

    char again[] = "abcdefgh";
    ConstData(again, 4).CopyInto(Data(again + 2, 4));
    EXPECT_EQ(std::string(again), "ababab"
                                  "gh");
}

} // namespace
