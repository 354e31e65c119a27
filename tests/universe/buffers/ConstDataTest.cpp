#include "universe/buffers/ConstData.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/buffers/Data.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

using Conditions = std::vector<std::string>;

// An end that no view may reach; never read.
const char* FourGibibytesOn(const char* start) {
    return reinterpret_cast<const char*>(reinterpret_cast<std::uintptr_t>(start) +
                                         (std::uintptr_t{1} << 32));
}

TEST(ConstData, EmptyViewsAreValidAndEqualWhateverTheirPointers) {
    const char text[] = "xyz";
    EXPECT_TRUE(ConstData().Valid());
    EXPECT_EQ(ConstData(), ConstData(text, 0));
    EXPECT_EQ(Compare(ConstData(), ConstData(text + 1, text + 1)), 0);
}

TEST(ConstData, InconsistentBoundsAreReportedAndGiveAnEmptyView) {
    const char t[] = "abcdef";
    ConstData (*const makers[])(const char*) = {
        [](const char* t) { return ConstData(t + 3, t + 1); },
        [](const char* t) { return ConstData(static_cast<const char*>(nullptr), t); },
        [](const char*) { return ConstData(static_cast<const char*>(nullptr), 5); },
        [](const char* t) { return ConstData(t, -1); },
        // A distance of 2^32 bytes is as long as a length of 2^32.
        [](const char* t) { return ConstData(t, FourGibibytesOn(t)); },
        [](const char* t) {
            return ConstData(Data(const_cast<char*>(t), const_cast<char*>(FourGibibytesOn(t))));
        },
    };
    for (const auto make : makers) {
        ReportedAssertions reported;
        const ConstData made = make(t);
        EXPECT_EQ(reported.Conditions().size(), 1u) << reported.Output();
        EXPECT_TRUE(made.Valid() && made.IsEmpty());
    }
}

TEST(ConstData, SlicesUpToTheEndAreAllowedAndBeyondAreReported) {
    const ConstData abc("abc");
    ReportedAssertions reported;
    EXPECT_TRUE(abc.First(3) == abc && abc.After(3).IsEmpty());
    EXPECT_EQ(abc.Range(1, 3), ConstData("bc"));
    EXPECT_TRUE(reported.Output().empty());

    EXPECT_EQ(abc[3], 0);
    EXPECT_EQ(abc.First(4), abc);
    EXPECT_TRUE(abc.Range(2, 1).IsEmpty());
    EXPECT_EQ(abc.Range(1, 9), ConstData("bc"));
    EXPECT_EQ(reported.Conditions(),
              (Conditions{"i < Length()", "position <= Length()", "s <= e", "e <= Length()"}));
}

TEST(ConstData, ThreeWayComparisonsFromStartAndEnd) {
    struct Case {
        std::string a, b;
        int fromStart, fromEnd;
    };
    const Case cases[] = {
        {"ab", "abc", -1, 'b' - 'c'},
        {"abd", "abc", 1, 1},
        {"abc", "abc", 0, 0},
        {"xbc", "abc", 23, 23},
        {"bc", "abc", 1, -1},
        {"", "a", -1, -1},
        {"\x80", "a", 0x80 - 'a', 0x80 - 'a'}, // bytes compare unsigned
    };
    for (const Case& c : cases) {
        const ConstData a(c.a), b(c.b);
        EXPECT_EQ(Compare(a, b), c.fromStart) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareFromEnd(a, b), c.fromEnd) << c.a << " vs " << c.b;
        EXPECT_EQ(std::make_tuple(a < b, a <= b, a == b),
                  std::make_tuple(c.fromStart < 0, c.fromStart <= 0, c.fromStart == 0));
    }
}

TEST(ConstData, StartsEndsAndContains) {
    struct Case {
        std::string text, part;
        bool starts, ends, contains;
    };
    const Case cases[] = {
        {"hello world", "o w", false, false, true},
        {"hello world", "", true, true, true},
        {"", "a", false, false, false},
        {"abc", "abcd", false, false, false},
        {"aaab", "aab", false, true, true},
        {"abab", "abb", false, false, false},
        {"abc", "abc", true, true, true},
    };
    for (const Case& c : cases) {
        const ConstData text(c.text), part(c.part);
        EXPECT_EQ(std::make_tuple(text.StartsWith(part), text.EndsWith(part), text.Contains(part)),
                  std::make_tuple(c.starts, c.ends, c.contains))
            << c.text << " / " << c.part;
    }
}

TEST(ConstData, CopyIntoCopiesFirstToLastAndReturnsTheRest) {
    char target[4];
    EXPECT_EQ(ConstData("0123456789").CopyInto(Data(target, 4)), ConstData("456789"));
    EXPECT_EQ(std::string(target, 4), "0123");

    // Onto a later part of its own bytes a forward copy repeats its start.
    char block[] = "abcdefgh";
    ConstData(block, 4).CopyInto(Data(block + 2, 4));
    EXPECT_STREQ(block, "abababgh");
    ConstData(block + 4, 4).CopyInto(Data(block, 4));
    EXPECT_STREQ(block, "abghabgh");
}

} // namespace
