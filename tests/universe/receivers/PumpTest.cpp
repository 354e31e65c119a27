#include "universe/receivers/Pump.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/ascii/CaseFilters.h"
#include "universe/receivers/HexEncoder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class ChunkRecorder : public DataReceiver {
public:
    void Start() override { events.push_back("start"); }
    void Receive(ConstData data) override {
        events.push_back(std::to_string(data.Length()));
        all += data.AsString();
    }
    void Finish() override { events.push_back("finish"); }

    std::vector<std::string> events;
    std::string all;
};

using Events = std::vector<std::string>;

TEST(Pump, PassesFilteredBytesInChunksOfTheBufferSize) {
    std::string input(5000, 'A');
    for (std::size_t i = 0; i < input.size(); ++i) {
        input[i] = "Ab_Zy\x80\xff"[i % 7];
    }
    ChunkRecorder plain;
    Pump(plain, ThePlainFilter(), ConstData(input));
    EXPECT_EQ(plain.all, input);
    EXPECT_EQ(plain.events, (Events{"start", "2048", "2048", "904", "finish"}));

    ChunkRecorder hex;
    HexEncoder encoder;
    Pump(hex, encoder, ConstData(input.data(), 2500));
    EXPECT_EQ(hex.events, (Events{"start", "2048", "2048", "904", "finish"}));
    EXPECT_EQ(hex.all.substr(0, 6), "41625f");
}

TEST(Pump, TakesTheRopesPiecesOneAfterAnother) {
    const ConstData pieces[] = {ConstData("Ab_"), ConstData(), ConstData("Zy\xff")};
    const ConstDataRope rope(pieces);
    ChunkRecorder direct;
    Pump(direct, rope);
    EXPECT_EQ(direct.events, (Events{"start", "3", "0", "3", "finish"}));

    ChunkRecorder lowered;
    Pump(lowered, Ascii::TheCaseLoweringFilter(), rope);
    EXPECT_EQ(lowered.all, "ab_zy\xff");
}

TEST(Pump, GivesUpOnAFilterThatNeitherReadsNorWrites) {
    struct Stuck : DataFilter {
        void Filter(ConstData&, Data&) override {}
    } stuck;
    ReportedAssertions reports;
    ChunkRecorder recorder;
    Pump(recorder, stuck, ConstData("x"));
    EXPECT_EQ(recorder.events, (Events{"start", "finish"}));
    EXPECT_TRUE(reports.Include("progressed"));
}

} // namespace
