#include "universe/receivers/LineMaker.h"

#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <sstream>
#include <string>

namespace {

// The events as one text: <position> at the start and at the finish, the
// line contents as they are (so that the chunking of the stream does not
// show) and [start,end] for each break.
struct LineRecorder : LineReceiver {
    void Start(uint32 position) override { log << '<' << position << '>'; }
    void Text(ConstData content) override { log << content.AsStringView(); }
    void LineBreak(Range r) override { log << '[' << r.Start() << ',' << r.End() << ']'; }
    void Finish(uint32 position) override { Start(position); }
    std::ostringstream log;
};

// Against a regular expression: a break is CR or LF, with the other one
// after it if that follows.
TEST(LineMaker, AgreesWithARegularExpressionOverRandomlyChunkedStreams) {
    const std::regex lineBreak("\r\n|\n\r|\r|\n");
    std::mt19937 random(13);
    for (int round = 0; round < 2000; ++round) {
        const uint32 start = round % 3 == 0 ? 1000 : 0;
        std::string stream(random() % 60, ' ');
        for (char& c : stream) {
            c = "ab\r\n\r\n"[random() % 6];
        }
        LineRecorder expected;
        expected.Start(start);
        uint32 at = 0;
        for (std::sregex_iterator m(stream.begin(), stream.end(), lineBreak), end; m != end; ++m) {
            expected.log << stream.substr(at, m->position() - at);
            at = uint32(m->position() + m->length());
            expected.LineBreak(Range(start + uint32(m->position()), start + at));
        }
        expected.log << stream.substr(at);
        expected.Finish(start + uint32(stream.size()));

        LineRecorder lines;
        LineMaker maker(lines);
        start == 0 ? maker.Start() : maker.Start(start);
        for (std::size_t at = 0; at < stream.size();) { // empty chunks included
            const std::size_t length = std::min<std::size_t>(random() % 6, stream.size() - at);
            maker.Receive(ConstData(stream.data() + at, length));
            at += length;
        }
        maker.Finish();
        ASSERT_EQ(lines.log.str(), expected.log.str());
    }
}

} // namespace
