#include "tests/universe/exceptions/ReportedAssertions.h"
#include "universe/buffers/Buffer.h"
#include "universe/buffers/BufferOfCapacity.h"
#include "universe/buffers/ConstDataOfCapacity.h"
#include "universe/buffers/Data.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Conditions = std::vector<std::string>;

std::string Text(ConstData bytes) {
    return bytes.AsString();
}

TEST(Data, CopyFromOverlappingBytesKeepsTheSourceAsItWas) {
    struct Case {
        int from;
        int to;
        int count;
        const char* result;
    };
    const Case cases[] = {
        {0, 2, 5, "ababcdeh"}, // source before destination
        {2, 0, 5, "cdefgfgh"}, // source after destination
        {1, 1, 3, "abcdefgh"}, // onto itself
    };
    for (const Case& c : cases) {
        char block[] = "abcdefgh";
        const Data rest = Data(block + c.to, 8 - c.to).CopyFrom(ConstData(block + c.from, c.count));
        EXPECT_EQ(std::string(block), c.result) << c.from << "->" << c.to;
        EXPECT_EQ(rest.Start(), reinterpret_cast<uint8*>(block + c.to + c.count));
    }
}

TEST(Data, CopyFromTruncatesToTheRoomAvailable) {
    char target[4] = {};
    const Data rest = Data(target, 4).CopyFrom("0123456789");
    EXPECT_TRUE(rest.Exhausted());
    EXPECT_EQ(std::string(target, 4), "0123");
}

TEST(Data, CopyMovesBothSidesAndExhaustsOne) {
    char target[4] = {};
    Data to(target, 4);
    ConstData from("0123456789");
    Copy(to, from);
    EXPECT_TRUE(to.Exhausted());
    EXPECT_EQ(from, ConstData("456789"));

    char roomy[8] = {};
    Data big(roomy, 8);
    ConstData shortText("xy");
    Copy(big, shortText);
    EXPECT_TRUE(shortText.Exhausted());
    EXPECT_EQ(big.Length(), 6u);
}

TEST(Data, PutAndIndexPastTheEndThrowDataOverflowWithoutWriting) {
    char area[2] = {'a', 'b'};
    Data data(area, 2);
    data.Put('x');
    data.Put('y');
    EXPECT_TRUE(data.Exhausted());
    {
        ReportedAssertions reported;
        EXPECT_THROW(data.Put('z'), DataOverflow);
        EXPECT_EQ(reported.Conditions(), Conditions{"0"});
    }
    ReportedAssertions reported;
    const Data whole(area, 2);
    EXPECT_THROW(whole[2] = 'q', DataOverflow);
    EXPECT_THROW(Data().Put('q'), DataOverflow);
    EXPECT_EQ(std::string(area, 2), "xy");
}

TEST(Data, LimitOnlyShortens) {
    char area[8];
    Data data(area, 8);
    data.Limit(10);
    EXPECT_EQ(data.Length(), 8u);
    data.Limit(3);
    EXPECT_EQ(data.Length(), 3u);
    EXPECT_EQ(data.Start(), reinterpret_cast<uint8*>(area));
}

TEST(Buffer, WritesThroughItsUnusedPartAdvanceThePosition) {
    char area[8] = {};
    Buffer buffer(Data(area, 8));
    buffer.Put('<');
    Data& unused = buffer; // any routine writing into a Data& advances the buffer
    unused.Write("abc");
    buffer.Unused().Put('>');
    EXPECT_EQ(Text(buffer.Used()), "<abc>");
    EXPECT_EQ(buffer.UnusedLength(), 3u);

    buffer.Advance(3);
    EXPECT_TRUE(buffer.Exhausted());
    EXPECT_THROW(buffer.Put('!'), DataOverflow);

    buffer.Reset();
    EXPECT_TRUE(buffer.Used().IsEmpty());
    EXPECT_EQ(buffer.UnusedLength(), 8u);
}

TEST(BufferOfCapacity, CopyHoldsItsOwnCopyOfTheUsedBytes) {
    BufferOfCapacity<16> original;
    original.Write("date");
    BufferOfCapacity<16> copy(original);
    original.Reset();
    original.Write("XXXX");
    EXPECT_EQ(Text(copy.Used()), "date");
    EXPECT_EQ(copy.UnusedLength(), 12u);

    BufferOfCapacity<16> assigned;
    assigned.Write("previous text");
    assigned = copy;
    EXPECT_EQ(Text(assigned.Used()), "date");
}

TEST(ConstDataOfCapacity, StoresUpToItsCapacityWithATerminator) {
    ConstDataOfCapacity<16> stored = ConstData("0123456789abcdef");
    EXPECT_EQ(Text(stored), "0123456789abcdef");
    EXPECT_STREQ(stored.CString(), "0123456789abcdef");

    stored = ConstData("ab");
    EXPECT_STREQ(stored.CString(), "ab");
    EXPECT_EQ(stored.Length(), 2u);

    ReportedAssertions reported;
    EXPECT_THROW(stored = ConstData("0123456789abcdefg"), ConstDataCapacityExceeded);
    EXPECT_EQ(reported.Conditions(), Conditions{"false"});
}

TEST(ConstDataOfCapacity, CopiesAreSelfContained) {
    char source[] = "sign";
    ConstDataOfCapacity<8> original = ConstData(source);
    const ConstDataOfCapacity<8> copy = original;
    source[0] = 'X';
    original = ConstData("other");
    EXPECT_EQ(Text(copy), "sign");
}

} // namespace
