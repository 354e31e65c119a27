#include "universe/receivers/HexEncoder.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(HexEncoder, AgreesWithAPlainEncodingThroughOutputsOfAnySize) {
    std::mt19937 random(16);
    for (int round = 0; round < 500; ++round) {
        std::vector<uint8> input(random() % 100);
        std::string expected;
        for (auto& b : input) {
            b = static_cast<uint8>(random());
            expected += "0123456789abcdef"[b >> 4];
            expected += "0123456789abcdef"[b & 15];
        }
        HexEncoder encoder;
        ConstData in(input.data(), input.size());
        std::string encoded;
        while (!in.Exhausted() || encoder.HasPendingDigit()) {
            std::string room(random() % 9, '?'); // no room at all, too
            Data out(room.data(), room.size());
            encoder.Encode(in, out);
            encoded += room.substr(0, room.size() - out.Length());
        }
        ASSERT_EQ(encoded, expected);
    }
}

TEST(HexEncoder, HalfAByteThatDoesNotFitWaitsForTheNextCall) {
    const uint8 bytes[] = {0x00, 0xAB};
    HexEncoder encoder;
    ConstData in(bytes, 2);
    char text[4] = {};
    Data first(text, 3);
    encoder.Encode(in, first);
    EXPECT_EQ(std::string(text), "00a");
    Data second(text + 3, 1);
    encoder.Encode(in, second);
    EXPECT_EQ(std::string(text, 4), "00ab");
}

} // namespace
