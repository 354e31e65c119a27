#include "universe/integers/Overflow.h"

#include "tests/universe/exceptions/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Conditions = std::vector<std::string>;

TEST(Overflow, CanAddAtTheLimits) {
    EXPECT_FALSE(CanAdd(uint32{0xFFFFFFFF}, 1));
    EXPECT_TRUE(CanAdd(uint32{0xFFFFFFFE}, 1));
    EXPECT_TRUE(CanAdd(uint32{0}, maxuint32));
    EXPECT_FALSE(CanAdd(uint8{200}, 56));
    EXPECT_TRUE(CanAdd(uint8{200}, 55));
    EXPECT_FALSE(CanAdd(uint16{1}, maxuint16));
    EXPECT_FALSE(CanAdd(maxuint64, 1));
    EXPECT_TRUE(CanAdd(maxint64, -1));
    EXPECT_FALSE(CanAdd(maxint64, 1));
    EXPECT_FALSE(CanAdd(minint64, -1));
    EXPECT_TRUE(CanAdd(minint64, maxint64));
}

TEST(Overflow, CanSubtractAtTheLimits) {
    EXPECT_TRUE(CanSubtract(uint32{5}, 5));
    EXPECT_FALSE(CanSubtract(uint32{5}, 6));
    EXPECT_TRUE(CanSubtract(int32{-1}, maxint32));
    EXPECT_FALSE(CanSubtract(int32{-2}, maxint32));
    EXPECT_TRUE(CanSubtract(int32{0}, -maxint32));
    EXPECT_FALSE(CanSubtract(int32{0}, minint32));
    EXPECT_TRUE(CanSubtract(int32{-1}, minint32));
    EXPECT_TRUE(CanSubtract(maxint32, 0));
}

TEST(Overflow, CanMultiplySigned64AtTheLimits) {
    const int64 two32 = int64{1} << 32;
    const int64 two31 = int64{1} << 31;
    struct Case {
        int64 a;
        int64 b;
        bool fits;
    };
    const Case cases[] = {
        {two32, two31, false},
        {-two32, two31, true},
        {two32, -two31, true},
        {-two32, -two31, false},
        {-1, minint64, false},
        {minint64, -1, false},
        {-1, maxint64, true},
        {0, minint64, true},
        {minint64, 0, true},
        {1, minint64, true},
        {minint64, 1, true},
        {2, minint64 / 2, true},
        {2, minint64 / 2 - 1, false},
        {-2, maxint64 / 2, true},
        {-2, minint64 / 2, false},
        {maxint64, maxint64, false},
        {3037000499, 3037000499, true},
        {3037000500, 3037000500, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CanMultiply(c.a, c.b), c.fits) << c.a << " * " << c.b;
    }
}

TEST(Overflow, CanMultiplyUnsigned) {
    EXPECT_TRUE(CanMultiply(uint32{0}, maxuint32));
    EXPECT_TRUE(CanMultiply(uint32{65535}, 65537));
    EXPECT_FALSE(CanMultiply(uint32{65536}, 65536));
    EXPECT_TRUE(CanMultiply(uint32{1}, maxuint32));
    EXPECT_FALSE(CanMultiply(uint32{2}, 0x80000000u));
}

TEST(Overflow, ConversionsReportOutOfRangeValuesAndTruncate) {
    struct Case {
        const char* name;
        uint64 (*convert)();
        uint64 result;
        Conditions reported;
    };
    const Case cases[] = {
        {"300 to 8 bits",
         [] { return uint64{Asuint8(uint32{300})}; },
         44,
         {"x <= uint32(maxuint8)"}},
        {"-1 to 8 bits", [] { return uint64{Asuint8(int32{-1})}; }, 255, {"x >= 0"}},
        {"256 signed to 8 bits",
         [] { return uint64{Asuint8(int32{256})}; },
         0,
         {"x <= int (maxuint8)"}},
        {"uint16 to 8 bits",
         [] { return uint64{Asuint8(uint16{511})}; },
         255,
         {"x <= uint16(maxuint8)"}},
        {"70000 to 16 bits",
         [] { return uint64{Asuint16(int32{70000})}; },
         4464,
         {"(unsigned int)x <= (unsigned int)maxuint16"}},
        {"negative to 32 bits", [] { return uint64{Asuint32(int32{-2})}; }, 0xFFFFFFFE, {"x >= 0"}},
        {"2^32 to 32 bits",
         [] { return uint64{Asuint32(uint64{1} << 32)}; },
         0,
         {"x <= uint64(maxuint32)"}},
        {"signed 2^32 to 32 bits",
         [] { return uint64{Asuint32(int64{1} << 32)}; },
         0,
         {"x <= int64(maxuint32)"}},
        {"negative 64 to 64", [] { return Asuint64(int64{-1}); }, maxuint64, {"x >= 0"}},
        {"below int32",
         [] { return uint64(uint32(Asint32(int64{minint32} - 1))); },
         0x7FFFFFFF,
         {"x >= int64(minint32)"}},
        {"above int32",
         [] { return uint64(uint32(Asint32(int64{maxint32} + 1))); },
         0x80000000,
         {"x <= int64 (maxint32)"}},
        {"2^31 unsigned to int32",
         [] { return uint64(uint32(Asint32(uint32{0x80000000}))); },
         0x80000000,
         {"x <= uint32(maxint32)"}},
        {"in range", [] { return uint64{Asuint8(uint32{255})}; }, 255, {}},
        {"in range signed", [] { return uint64(uint32(Asint32(int64{-5}))); }, 0xFFFFFFFB, {}},
    };
    for (const Case& c : cases) {
        ReportedAssertions reported;
        EXPECT_EQ(c.convert(), c.result) << c.name;
        EXPECT_EQ(reported.Conditions(), c.reported) << c.name;
    }
}

} // namespace
