#include "tests/support/ReportedAssertions.h"
#include "universe/buffers/Buffer.h"
#include "universe/buffers/BufferOfCapacity.h"
#include "universe/buffers/ConstDataOfCapacity.h"

#include <gtest/gtest.h>

namespace {

TEST(Data, CopyFromOverlappingBytesKeepsTheSourceAsItWas) {
    const std::tuple<int, int, const char*> cases[] = {
        {0, 2, "ababcdeh"}, {2, 0, "cdefgfgh"}, {1, 1, "abcdefgh"}};
    for (const auto& [from, to, result] : cases) {
        char block[] = "abcdefgh";
        const Data rest = Data(block + to, 8 - to).CopyFrom(ConstData(block + from, 5));
        EXPECT_STREQ(block, result);
        EXPECT_EQ(rest.Length(), 3u - to);
    }
}

TEST(Data, CopyMovesBothSidesUntilOneIsExhausted) {
    char target[4];
    Data to(target, 4);
    ConstData from("0123456789");
    Copy(to, from);
    EXPECT_TRUE(to.Exhausted());
    EXPECT_EQ(from, ConstData("456789"));
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
}

TEST(BufferOfCapacity, CopyHoldsItsOwnBytes) {
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
