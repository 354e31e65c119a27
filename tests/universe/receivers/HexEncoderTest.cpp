#include "universe/receivers/HexEncoder.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

std::string PlainHex(const std::vector<uint8>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (const uint8 b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

TEST(HexEncoder, AgreesWithAPlainEncodingThroughOutputsOfAnySize) {
    std::mt19937 random(16);
    for (int round = 0; round < 500; ++round) {
        std::vector<uint8> input(random() % 100);
        for (auto& b : input) {
            b = static_cast<uint8>(random());
        }
        HexEncoder encoder;
        ConstData in(input.data(), input.size());
        std::string encoded;
        while (!in.Exhausted() || encoder.HasPendingDigit()) {
            std::string room(random() % 9 + 1, '?');
            Data out(room.data(), room.size());
            encoder.Encode(in, out);
            ASSERT_TRUE(in.Exhausted() || out.Exhausted());
            encoded += room.substr(0, room.size() - out.Length());
        }
        ASSERT_EQ(encoded, PlainHex(input));
    }
}

TEST(HexEncoder, HalfAByteThatDoesNotFitWaitsForTheNextCall) {
    const uint8 bytes[] = {0x00, 0xAB};
    HexEncoder encoder;
    ConstData in(bytes, 2);
    char first[3];
    Data out(first, 3);
    encoder.Encode(in, out);
    EXPECT_EQ(std::string(first, 3), "00a");
    EXPECT_TRUE(in.Exhausted());
    EXPECT_TRUE(encoder.HasPendingDigit());

    // With no room at all the digit keeps waiting.
    Data none;
    encoder.Encode(in, none);
    EXPECT_TRUE(encoder.HasPendingDigit());

    char second[4] = {};
    Data more(second, 4);
    encoder.Encode(in, more);
    EXPECT_EQ(second[0], 'b');
    EXPECT_EQ(more.Length(), 3u);
    EXPECT_FALSE(encoder.HasPendingDigit());
}

} // namespace
