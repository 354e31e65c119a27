#include "universe/buffers/ConstDataRope.h"

#include "tests/support/ReportedAssertions.h"

#include <array>
#include <gtest/gtest.h>
#include <sys/mman.h>

namespace {

TEST(ConstDataRope, StandsForItsPiecesInOrder) {
    const std::array<ConstData, 3> pieces{ConstData("con"), ConstData(), ConstData("cat")};
    EXPECT_EQ(ConstDataRope(pieces).Length(), 6u);
    EXPECT_EQ(ConstDataRope(pieces).AsString(), "concat");
    char area[4];
    Data into(area, 4);
    ConstDataRope(pieces).CopyInto(into);
    EXPECT_EQ(std::string(area, 4), "conc");
}

TEST(ConstDataRope, LengthBeyond32BitsIsReported) {
    // Views over reserved address space that is never touched.
    const size_t size = size_t{3} << 30;
    void* reserved =
        mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(reserved, MAP_FAILED);
    const ConstData huge(static_cast<const uint8*>(reserved), static_cast<uint32>(size));
    const std::array<ConstData, 2> pieces{huge, huge};
    ReportedAssertions reported;
    (void)ConstDataRope(pieces).Length();
    EXPECT_EQ(reported.Conditions().size(), 1u) << reported.Output();
    munmap(reserved, size);
}

} // namespace
