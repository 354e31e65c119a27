#include "universe/buffers/ConstDataRope.h"

#include "tests/universe/exceptions/ReportedAssertions.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <sys/mman.h>
#include <vector>

namespace {

TEST(ConstDataRope, StandsForItsPiecesInOrder) {
    const std::array<ConstData, 4> pieces{ConstData("con"), ConstData(), ConstData("cat"),
                                          ConstData("enate")};
    const ConstDataRope rope(pieces);
    EXPECT_EQ(rope.Length(), 11u);
    EXPECT_EQ(rope.AsString(), "concatenate");
    EXPECT_EQ(ConstDataRope().AsString(), "");
}

TEST(ConstDataRope, CopyIntoTruncatesAndLeavesTheRemainder) {
    const std::array<ConstData, 2> pieces{ConstData("abc"), ConstData("def")};
    char area[5] = {};
    Data into(area, 5);
    ConstDataRope(pieces).CopyInto(into);
    EXPECT_TRUE(into.Exhausted());
    EXPECT_EQ(std::string(area, 5), "abcde");

    char roomy[8] = {};
    Data rest(roomy, 8);
    ConstDataRope(pieces).CopyInto(rest);
    EXPECT_EQ(rest.Length(), 2u);
}

TEST(ConstDataRope, LengthBeyond32BitsIsReported) {
    // Two views of 3 GiB over reserved, never touched address space.
    const size_t size = size_t{3} << 30;
    void* reserved =
        mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(reserved, MAP_FAILED);
    const ConstData huge(static_cast<const uint8*>(reserved), static_cast<uint32>(size));
    const std::array<ConstData, 2> pieces{huge, huge};
    {
        ReportedAssertions reported;
        (void)ConstDataRope(pieces).Length();
        EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"CanAdd( total, p->Length() )"});
    }
    munmap(reserved, size);
}

} // namespace
