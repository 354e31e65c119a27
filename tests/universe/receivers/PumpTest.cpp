#include "universe/receivers/Pump.h"

#include "universe/ascii/CaseFilters.h"
#include "universe/receivers/HexEncoder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class ChunkRecorder : public DataReceiver {
public:
    void Start() override { ++starts; }
    void Receive(ConstData data) override { chunks.push_back(data.AsString()); }
    void Finish() override { ++finishes; }

    std::string All() const {
        std::string all;
        for (const auto& c : chunks) {
            all += c;
        }
        return all;
    }

    int starts = 0;
    int finishes = 0;
    std::vector<std::string> chunks;
};

std::string Text(std::size_t length) {
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>("Ab_Zy\x80\xff"[i % 7]);
    }
    return text;
}

std::vector<std::size_t> Sizes(const ChunkRecorder& r) {
    std::vector<std::size_t> sizes;
    for (const auto& c : r.chunks) {
        sizes.push_back(c.size());
    }
    return sizes;
}

TEST(Pump, PassesFilteredBytesInChunksOfTheBufferSize) {
    const std::string input = Text(5000);
    ChunkRecorder plain;
    Pump(plain, ThePlainFilter(), ConstData(input));
    EXPECT_EQ(plain.All(), input);
    EXPECT_EQ(Sizes(plain), (std::vector<std::size_t>{2048, 2048, 904}));
    EXPECT_EQ(plain.starts, 1);
    EXPECT_EQ(plain.finishes, 1);

    HexEncoder hex;
    ChunkRecorder encoded;
    Pump(encoded, hex, ConstData(input.data(), 2500));
    EXPECT_EQ(Sizes(encoded), (std::vector<std::size_t>{2048, 2048, 904}));
    EXPECT_EQ(encoded.All().substr(0, 6), "41625f");
    EXPECT_FALSE(hex.HasPendingDigit());
}

TEST(Pump, TakesTheRopesPiecesOneAfterAnother) {
    const std::string a = "Hello, ";
    const std::string b = Text(3000);
    const ConstData pieces[] = {ConstData(a), ConstData(), ConstData(b)};
    const ConstDataRope rope(pieces);

    ChunkRecorder direct;
    Pump(direct, rope);
    EXPECT_EQ(direct.chunks, (std::vector<std::string>{a, "", b}));
    EXPECT_EQ(direct.starts, 1);

    ChunkRecorder raised;
    Pump(raised, Ascii::TheCaseRaisingFilter(), rope);
    std::string expected = a + b;
    for (auto& c : expected) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    EXPECT_EQ(raised.All(), expected);
    EXPECT_EQ(raised.finishes, 1);

    // Nothing to pump still starts and finishes the receiver.
    ChunkRecorder empty;
    Pump(empty, ThePlainFilter(), ConstData());
    EXPECT_EQ(empty.starts, 1);
    EXPECT_EQ(empty.finishes, 1);
    EXPECT_TRUE(empty.chunks.empty());
}

TEST(CaseFilters, ConvertOnlyLettersAsFarAsBothSidesAllow) {
    struct Case {
        DataFilter& filter;
        std::string input;
        std::size_t room;
        std::string output;
    };
    const Case cases[] = {
        {Ascii::TheCaseLoweringFilter(), "ABC[z", 5, "abc[z"},
        {Ascii::TheCaseLoweringFilter(), "ABC[z", 2, "ab"},
        {Ascii::TheCaseRaisingFilter(), "ab_Z\x80\xff", 10, "AB_Z\x80\xff"},
        {Ascii::TheCaseRaisingFilter(), "", 3, ""},
    };
    for (const auto& c : cases) {
        std::string room(c.room, '?');
        Data to(room.data(), room.size());
        ConstData from(c.input);
        c.filter.Filter(from, to);
        EXPECT_EQ(room.substr(0, c.room - to.Length()), c.output);
        EXPECT_EQ(from.Length(), c.input.size() - c.output.size());
    }
    EXPECT_EQ(&Ascii::TheCaseLoweringFilter(), &Ascii::TheCaseLoweringFilter());
}

} // namespace
