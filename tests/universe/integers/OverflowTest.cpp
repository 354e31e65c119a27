#include "universe/integers/Overflow.h"

#include "tests/support/ReportedAssertions.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(Overflow, ArithmeticAtTheLimits) {
    EXPECT_FALSE(CanAdd(uint32{0xFFFFFFFF}, 1));
    EXPECT_TRUE(CanAdd(uint32{0xFFFFFFFE}, 1));
    EXPECT_FALSE(CanAdd(uint8{200}, 56));
    EXPECT_FALSE(CanAdd(minint64, -1));
    EXPECT_TRUE(CanAdd(minint64, maxint64));
    EXPECT_FALSE(CanSubtract(uint32{5}, 6));
    EXPECT_TRUE(CanSubtract(int32{-1}, maxint32));
    EXPECT_FALSE(CanSubtract(int32{-2}, maxint32));
    EXPECT_FALSE(CanSubtract(int32{0}, minint32));
    EXPECT_TRUE(CanSubtract(int32{-1}, minint32));
    const int64 two32 = int64{1} << 32, two31 = int64{1} << 31;
    const std::tuple<int64, int64, bool> cases[] = {
        {two32, two31, false},          {-two32, two31, true},           {-two32, -two31, false},
        {-1, minint64, false},          {minint64, -1, false},           {0, minint64, true},
        {2, minint64 / 2, true},        {2, minint64 / 2 - 1, false},    {-2, minint64 / 2, false},
        {3037000499, 3037000499, true}, {3037000500, 3037000500, false},
        // Operands of both 32-bit halves, where a 32-bit machine divides in
        // two words: (2^32 - 1)(2^31 - 1) fits, (2^32 - 1)(2^31 + 1) does not.
        {two32 - 1, two31 - 1, true},   {two32 - 1, two31 + 1, false},   {1 - two32, two31 - 1, true},
        {1 - two32, two31 + 1, false},
    };
    for (const auto& [a, b, fits] : cases) {
        EXPECT_EQ(CanMultiply(a, b), fits) << a << " * " << b;
    }
    // Sums whose low words carry into the high ones.
    EXPECT_TRUE(CanAdd(maxint64 - 0xFFFFFFFF, int64{0xFFFFFFFF}));
    EXPECT_FALSE(CanAdd(maxint64 - 0xFFFFFFFF, int64{0x100000000}));
    EXPECT_TRUE(CanAdd(minint64 + 0xFFFFFFFF, -int64{0xFFFFFFFF}));
    EXPECT_FALSE(CanAdd(minint64 + 0xFFFFFFFF, -int64{0x100000000}));
    // Sizes are as wide as the machine's word: 32 bits on a 32-bit build.
    constexpr std::size_t maxSize = std::numeric_limits<std::size_t>::max();
    EXPECT_FALSE(CanAdd(maxSize, std::size_t{1}));
    EXPECT_FALSE(CanMultiply(maxSize / 2 + 1, std::size_t{2}));
    EXPECT_TRUE(CanMultiply(uint32{65535}, 65537));
    EXPECT_FALSE(CanMultiply(uint32{65536}, 65536));
}

TEST(Overflow, ConversionsOfOutOfRangeValuesAreReportedAndTruncate) {
    ReportedAssertions reported;
    const std::pair<uint64, uint64> cases[] = {
        {Asuint8(uint32{300}), 44},
        {Asuint8(int32{256}), 0},
        {Asuint16(int32{70000}), 4464},
        {Asuint32(int32{-2}), 0xFFFFFFFE},
        {Asuint32(int64{1} << 32), 0},
        {uint32(Asint32(int64{maxint32} + 1)), 0x80000000},
        {uint32(Asint32(uint32{0x80000000})), 0x80000000},
    };
    for (const auto& [converted, expected] : cases) {
        EXPECT_EQ(converted, expected);
    }
    EXPECT_EQ(reported.Conditions().size(), std::size(cases)) << reported.Output();
}

} // namespace
