#include "universe/receivers/LineMaker.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// Writes what it is told as one event per line, joining the pieces of text
// that belong to one line so that chunking does not show.
class LineRecorder : public LineReceiver {
public:
    void Start(uint32 position) override { events.push_back("start " + std::to_string(position)); }
    void Text(ConstData content) override {
        EXPECT_FALSE(content.IsEmpty());
        if (!events.empty() && events.back().starts_with("text ")) {
            events.back() += content.AsString();
        } else {
            events.push_back("text " + content.AsString());
        }
    }
    void LineBreak(Range positions) override {
        events.push_back("break " + std::to_string(positions.Start()) + ".." +
                         std::to_string(positions.End()));
    }
    void Finish(uint32 position) override {
        events.push_back("finish " + std::to_string(position));
    }

    std::vector<std::string> events;
};

std::vector<std::string> Split(const std::string& stream, uint32 start) {
    LineRecorder expected;
    expected.Start(start);
    std::string line;
    for (std::size_t i = 0; i < stream.size();) {
        const char c = stream[i];
        if (c != '\r' && c != '\n') {
            line += c;
            ++i;
            continue;
        }
        if (!line.empty()) {
            expected.events.push_back("text " + line);
            line.clear();
        }
        const char partner = c == '\r' ? '\n' : '\r';
        const std::size_t length = i + 1 < stream.size() && stream[i + 1] == partner ? 2 : 1;
        expected.LineBreak(Range(uint32(start + i), uint32(start + i + length)));
        i += length;
    }
    if (!line.empty()) {
        expected.events.push_back("text " + line);
    }
    expected.Finish(uint32(start + stream.size()));
    return expected.events;
}

std::vector<std::string> Make(const std::vector<std::string>& chunks,
                              std::optional<uint32> start = std::nullopt) {
    LineRecorder lines;
    LineMaker maker(lines);
    if (start) {
        maker.Start(*start);
    } else {
        maker.Start();
    }
    for (const auto& chunk : chunks) {
        maker.Receive(ConstData(chunk));
    }
    maker.Finish();
    return lines.events;
}

TEST(LineMaker, AgreesWithAOnePassSplitterOverRandomlyChunkedStreams) {
    std::mt19937 random(13);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\r', '\n'};
    for (int round = 0; round < 2000; ++round) {
        std::string stream(random() % 60, ' ');
        for (auto& c : stream) {
            c = alphabet[random() % std::size(alphabet)];
        }
        std::vector<std::string> chunks;
        for (std::size_t at = 0; at < stream.size();) {
            const std::size_t length = std::min<std::size_t>(random() % 6, stream.size() - at);
            chunks.push_back(stream.substr(at, length)); // empty chunks included
            at += length;
        }
        const uint32 start = round % 3 == 0 ? 1000 : 0;
        ASSERT_EQ(Make(chunks, start), Split(stream, start)) << "stream of " << stream.size();
    }
}

TEST(LineMaker, BreaksOfEveryKind) {
    using Events = std::vector<std::string>;
    const std::pair<std::vector<std::string>, Events> cases[] = {
        {{"a\r", "\nb"}, {"start 0", "text a", "break 1..3", "text b", "finish 4"}},
        {{"a\n\rb"}, {"start 0", "text a", "break 1..3", "text b", "finish 4"}},
        {{"\r\r"}, {"start 0", "break 0..1", "break 1..2", "finish 2"}},
        {{"\n", "\n"}, {"start 0", "break 0..1", "break 1..2", "finish 2"}},
        {{"\r\n\r\n"}, {"start 0", "break 0..2", "break 2..4", "finish 4"}},
        {{"x\r"}, {"start 0", "text x", "break 1..2", "finish 2"}},
        {{}, {"start 0", "finish 0"}},
    };
    for (const auto& [chunks, events] : cases) {
        EXPECT_EQ(Make(chunks), events);
    }
}

TEST(LineMaker, ForgetsAPendingBreakWhenRestarted) {
    LineRecorder lines;
    LineMaker maker(lines);
    maker.Start();
    maker.Receive(ConstData("a\r"));
    maker.Start(10);
    maker.Receive(ConstData("\nb"));
    maker.Finish();
    const std::vector<std::string> expected{"start 0",      "text a", "start 10",
                                            "break 10..11", "text b", "finish 12"};
    EXPECT_EQ(lines.events, expected);
}

} // namespace
