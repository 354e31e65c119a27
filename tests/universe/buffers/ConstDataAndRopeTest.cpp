#include "tests/support/ReportedAssertions.h"
#include "universe/buffers/ConstData.h"
#include "universe/buffers/ConstDataRope.h"
#include "universe/buffers/Data.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Ends of views too long to be allocated; never read. They start low enough
// in the address space that even a 32-bit process has room for 3 GiB more.
const char* const farStart = reinterpret_cast<const char*>(std::uintptr_t{1} << 12);
char* GibibytesOn(const char* start, std::uintptr_t count) {
    return reinterpret_cast<char*>(reinterpret_cast<std::uintptr_t>(start) + (count << 30));
}

// Empty views are equal whatever their pointers; inconsistent bounds are
// reported and give one. A view longer than 2 GiB is a view all the same,
// also where a pointer difference could not hold its length.
TEST(ConstData, EmptyViewsAndInconsistentBounds) {
    const char text[] = "xyz", t[] = "abcdef";
    EXPECT_TRUE(ConstData().Valid());
    EXPECT_EQ(ConstData(), ConstData(text, 0));
    EXPECT_EQ(Compare(ConstData(), ConstData(text + 1, text + 1)), 0);

    struct Case {
        ConstData (*make)(const char*);
        std::size_t reports;
        uint32 length;
    };
    std::vector<Case> cases = {
        {[](const char* t) { return ConstData(t + 3, t + 1); }, 1, 0},
        {[](const char* t) { return ConstData(static_cast<const char*>(nullptr), t); }, 1, 0},
        {[](const char*) { return ConstData(static_cast<const char*>(nullptr), 5); }, 1, 0},
        {[](const char* t) { return ConstData(t, -1); }, 1, 0},
        {[](const char*) { return ConstData(farStart, GibibytesOn(farStart, 3)); }, 0, 3u << 30},
        {[](const char*) { return ConstData(Data(const_cast<char*>(farStart), 3u << 30)); }, 0,
         3u << 30},
        // The longest view a 32-bit address space holds, from address 1 to its last byte.
        {[](const char*) { return ConstData(reinterpret_cast<const char*>(1), maxuint32 - 1); }, 0,
         maxuint32 - 1},
    };
    if constexpr (sizeof(void*) > 4) {
        // A distance of 2^32 bytes is as long as a length of 2^32.
        cases.push_back({[](const char* t) { return ConstData(t, GibibytesOn(t, 4)); }, 1, 0});
        cases.push_back(
            {[](const char* t) { return ConstData(Data(const_cast<char*>(t), GibibytesOn(t, 4))); },
             1, 0});
    }
    for (const auto& [make, reports, length] : cases) {
        ReportedAssertions reported;
        const ConstData made = make(t);
        EXPECT_EQ(reported.Conditions().size(), reports) << reported.Output();
        EXPECT_TRUE(made.Valid());
        EXPECT_EQ(made.Length(), length);
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
              (std::vector<std::string>{"i < Length()", "position <= Length()", "s <= e",
                                        "e <= Length()"}));
}

// Bytes compare unsigned: 0x80 - 'a' is 31.
TEST(ConstData, ThreeWayComparisonsFromStartAndEnd) {
    const std::tuple<std::string_view, std::string_view, int, int> cases[] = {
        {"ab", "abc", -1, -1}, {"abd", "abc", 1, 1},  {"abc", "abc", 0, 0}, {"xbc", "abc", 23, 23},
        {"bc", "abc", 1, -1},  {"\x80", "a", 31, 31}, {"", "a", -1, -1}};
    for (const auto& [x, y, fromStart, fromEnd] : cases) {
        const ConstData a(x), b(y);
        EXPECT_EQ(std::tuple(Compare(a, b), CompareFromEnd(a, b), a < b, a <= b, a == b),
                  std::tuple(fromStart, fromEnd, fromStart < 0, fromStart <= 0, fromStart == 0))
            << x << " vs " << y;
    }
}

TEST(ConstData, StartsEndsAndContains) {
    const std::tuple<std::string_view, std::string_view, bool, bool, bool> cases[] = {
        {"abcd", "bc", 0, 0, 1},  {"abc", "", 1, 1, 1},     {"", "a", 0, 0, 0},
        {"abc", "abcd", 0, 0, 0}, {"aaab", "aab", 0, 1, 1}, {"abab", "abb", 0, 0, 0},
        {"abc", "abc", 1, 1, 1}};
    for (const auto& [t, p, starts, ends, contains] : cases) {
        const ConstData text(t), part(p);
        EXPECT_EQ(std::tuple(text.StartsWith(part), text.EndsWith(part), text.Contains(part)),
                  std::tuple(starts, ends, contains))
            << t << " / " << p;
    }
}

TEST(ConstDataRope, StandsForItsPiecesInOrderAndReportsALengthBeyond32Bits) {
    const std::array<ConstData, 3> pieces{ConstData("con"), ConstData(), ConstData("cat")};
    EXPECT_EQ(ConstDataRope(pieces).AsString(), "concat");
    const std::array<ConstData, 2> huge{ConstData(farStart, GibibytesOn(farStart, 3)),
                                        ConstData(farStart, GibibytesOn(farStart, 3))};
    ReportedAssertions reported;
    (void)ConstDataRope(huge).Length();
    EXPECT_EQ(reported.Conditions().size(), 1u) << reported.Output();
}

} // namespace
