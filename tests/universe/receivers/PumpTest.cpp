#include "universe/receivers/Pump.h"

#include "tests/support/ReportedAssertions.h"
#include "universe/ascii/CaseFilters.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The chunks' lengths between < and >, and all their bytes.
struct ChunkRecorder : DataReceiver {
    void Start() override { chunks += "<"; }
    void Receive(ConstData data) override {
        chunks.append(" ").append(std::to_string(data.Length()));
        all += data.AsString();
    }
    void Finish() override { chunks += " >"; }
    std::string chunks, all;
};

// Filtered bytes go in chunks of the buffer's size; a rope's pieces one after
// another.
TEST(Pump, PassesFilteredBytesInChunksOfTheBufferSizeAndRopesPieceByPiece) {
    std::string input;
    while (input.size() < 5000) {
        input += "Ab_Zy\x80\xff";
    }
    ChunkRecorder plain, direct, lowered;
    Pump(plain, ThePlainFilter(), ConstData(input));
    EXPECT_EQ(plain.all, input);
    EXPECT_EQ(plain.chunks, "< 2048 2048 909 >");
    const ConstData pieces[] = {ConstData("Ab_"), ConstData(), ConstData("Zy\xff")};
    Pump(direct, ConstDataRope(pieces));
    EXPECT_EQ(direct.chunks, "< 3 0 3 >");
    Pump(lowered, Ascii::TheCaseLoweringFilter(), ConstDataRope(pieces));
    EXPECT_EQ(lowered.all, "ab_zy\xff");
}

TEST(Pump, GivesUpOnAFilterThatNeitherReadsNorWrites) {
    struct Stuck : DataFilter {
        void Filter(ConstData&, Data&) override {}
    } stuck;
    ReportedAssertions reports;
    ChunkRecorder recorder;
    Pump(recorder, stuck, ConstData("x"));
    EXPECT_EQ(recorder.chunks, "< >");
    EXPECT_TRUE(reports.Include("progressed"));
}

} // namespace
