#include "tests/support/ReportedAssertions.h"
#include "universe/buffers/Buffer.h"
#include "universe/buffers/BufferOfCapacity.h"
#include "universe/buffers/ConstDataOfCapacity.h"

#include <gtest/gtest.h>

namespace {

// Five bytes of "abcdefgh" onto bytes of it: CopyFrom copies as if through a
// temporary, CopyInto first to last, so that onto a later part of its own
// bytes it repeats their start. Both copy what fits and return the rest of
// their own side.
TEST(Data, CopiesBetweenOverlappingBytesAndCopyMovesBothSides) {
    const std::tuple<bool, int, int, const char*, uint32> cases[] = {
        {false, 0, 2, "ababcdeh", 1}, {false, 2, 0, "cdefgfgh", 3}, {false, 1, 1, "abcdefgh", 2},
        {true, 0, 2, "abababah", 0},  {true, 3, 0, "defghfgh", 0},  {true, 0, 5, "abcdeabc", 2}};
    for (const auto& [into, from, to, result, rest] : cases) {
        char block[] = "abcdefgh";
        const ConstData source(block + from, 5);
        const Data target(block + to, 8 - to);
        EXPECT_EQ(into ? source.CopyInto(target).Length() : target.CopyFrom(source).Length(), rest);
        EXPECT_STREQ(block, result);
    }
    char target[4];
    Data to(target, 4);
    ConstData from("0123456789");
    Copy(to, from); // until one side is exhausted
    EXPECT_TRUE(to.Exhausted() && from == ConstData("456789"));
}

TEST(Data, WritingOneBytePastTheEndThrowsDataOverflow) {
    char area[] = "ab";
    Data data(area, 1);
    data.Put('x');
    ReportedAssertions reported;
    EXPECT_THROW(data.Put('y'), DataOverflow);
    EXPECT_THROW(Data(area, 1)[1] = 'z', DataOverflow);
    EXPECT_STREQ(area, "xb");
    EXPECT_EQ(reported.Conditions().size(), 2u) << reported.Output();
}

TEST(Buffer, WritesThroughItsUnusedPartAdvanceThePosition) {
    char area[6];
    Buffer buffer(Data(area, 6));
    buffer.Put('<');
    Data& unused = buffer;
    unused.Write("abcdefgh"); // truncated to the room left
    EXPECT_EQ(buffer.Used().AsString(), "<abcde");
    EXPECT_TRUE(buffer.Exhausted());
    buffer.Reset();
    EXPECT_EQ(buffer.UnusedLength(), 6u);

    // A copy of a buffer of its own storage holds its own bytes.
    BufferOfCapacity<16> original;
    original.Write("date");
    const BufferOfCapacity<16> copy(original);
    original.Reset();
    original.Write("XXXX");
    EXPECT_EQ(copy.Used().AsString(), "date");
    EXPECT_EQ(copy.UnusedLength(), 12u);
}

TEST(ConstDataOfCapacity, HoldsUpToItsCapacityWithATerminator) {
    ConstDataOfCapacity<16> stored = ConstData("0123456789abcdef");
    EXPECT_STREQ(stored.CString(), "0123456789abcdef");
    ReportedAssertions reported;
    EXPECT_THROW(stored = ConstData("0123456789abcdefg"), ConstDataCapacityExceeded);
    EXPECT_EQ(reported.Conditions().size(), 1u) << reported.Output();
}

} // namespace
