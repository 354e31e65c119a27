#include "universe/receivers/LineMaker.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// One event per call, the pieces of one line's text joined, so that the
// chunking of the stream does not show.
class LineRecorder : public LineReceiver {
public:
    void Start(uint32 position) override { Add("start " + std::to_string(position)); }
    void Text(ConstData content) override {
        if (!events.empty() && events.back().starts_with("text ")) {
            events.back() += content.AsString();
        } else {
            Add("text " + content.AsString());
        }
    }
    void LineBreak(Range r) override {
        Add("break " + std::to_string(r.Start()) + ".." + std::to_string(r.End()));
    }
    void Finish(uint32 position) override { Add("finish " + std::to_string(position)); }
    void Add(std::string event) { events.push_back(std::move(event)); }

    std::vector<std::string> events;
};

std::vector<std::string> Split(const std::string& stream, uint32 start) {
    LineRecorder lines;
    lines.Start(start);
    for (std::size_t i = 0; i < stream.size();) {
        const std::size_t text = stream.find_first_of("\r\n", i);
        if (text != i) {
            lines.Add("text " + stream.substr(i, text - i));
            i = std::min(text, stream.size());
            continue;
        }
        const char partner = stream[i] == '\r' ? '\n' : '\r';
        const bool pair = i + 1 < stream.size() && stream[i + 1] == partner;
        const std::size_t length = pair ? 2 : 1;
        lines.LineBreak(Range(uint32(start + i), uint32(start + i + length)));
        i += length;
    }
    lines.Finish(uint32(start + stream.size()));
    return lines.events;
}

std::vector<std::string> Make(const std::vector<std::string>& chunks, uint32 start = 0) {
    LineRecorder lines;
    LineMaker maker(lines);
    start == 0 ? maker.Start() : maker.Start(start);
    for (const auto& chunk : chunks) {
        maker.Receive(ConstData(chunk));
    }
    maker.Finish();
    return lines.events;
}

TEST(LineMaker, AgreesWithAOnePassSplitterOverRandomlyChunkedStreams) {
    std::mt19937 random(13);
    for (int round = 0; round < 2000; ++round) {
        std::string stream(random() % 60, ' ');
        for (auto& c : stream) {
            c = "ab\r\n\r\n"[random() % 6];
        }
        std::vector<std::string> chunks; // empty chunks included
        for (std::size_t at = 0; at < stream.size();) {
            const std::size_t length = std::min<std::size_t>(random() % 6, stream.size() - at);
            chunks.push_back(stream.substr(at, length));
            at += length;
        }
        const uint32 start = round % 3 == 0 ? 1000 : 0;
        ASSERT_EQ(Make(chunks, start), Split(stream, start)) << stream.size();
    }
}

} // namespace
