#include "universe/receivers/HexEncoder.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Odd room sizes leave half a byte pending for the next call.
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

} // namespace
