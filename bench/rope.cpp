// Ropes over the same 64 MiB text cut into pieces of P bytes, built as a
// query builds them: one concatenation after another onto the right end, so
// the tree is one piece wide and a piece count tall.
#include "inspectors/core/Rope.h"

#include "EnglishLikeText.h"
#include "frame/VeritorInterface.h"
#include "universe/searching/MatchLoop.h"
#include "universe/searching/PatternMatcher.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t textSize = std::size_t{64} << 20;

const std::string& Text() {
    static const std::string text = BenchText::Generate(textSize);
    return text;
}

// The destination of every flattening and copy, touched once up front so
// that page faults stay out of the measurements.
char* Destination() {
    static const std::unique_ptr<char[]> block = [] {
        auto bytes = std::make_unique<char[]>(textSize);
        std::memset(bytes.get(), 0, textSize);
        return bytes;
    }();
    return block.get();
}

// Each node appends one piece to the rope before it.
std::vector<Rope> Chain(std::size_t pieceSize) {
    const std::string& text = Text();
    std::vector<Rope> nodes;
    nodes.reserve(text.size() / pieceSize + 1);
    for (std::size_t at = 0; at < text.size(); at += pieceSize) {
        const Rope* before = nodes.empty() ? nullptr : &nodes.back();
        nodes.push_back(Rope{
            before, ConstData(text.data() + at, std::min(pieceSize, text.size() - at)), nullptr});
    }
    return nodes;
}

void Report(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Text().size()));
}

void Contains(benchmark::State& state) {
    const std::vector<Rope> nodes = Chain(static_cast<std::size_t>(state.range(0)));
    const std::string needle = BenchText::AbsentNeedle(Text(), 16, 42);
    for (auto _ : state) {
        const bool found = RopeContains(nodes.back(), ConstData(needle));
        if (found) {
            state.SkipWithError("needle found");
        }
        benchmark::DoNotOptimize(found);
    }
    Report(state);
}

// The same search over the text in one piece, for reference in the same run.
void FlatContains(benchmark::State& state) {
    const std::string needle = BenchText::AbsentNeedle(Text(), 16, 42);
    const PatternMatcher matcher{ConstData(needle)};
    for (auto _ : state) {
        MatchLoop loop(&matcher, ConstData(Text()));
        if (loop.Found()) {
            state.SkipWithError("needle found");
        }
        benchmark::DoNotOptimize(loop);
    }
    Report(state);
}

// The destination is touched before timing: run alone, the first flattening
// would otherwise pay the page faults of 64 MiB.
void Flatten(benchmark::State& state) {
    const std::vector<Rope> nodes = Chain(static_cast<std::size_t>(state.range(0)));
    Destination();
    for (auto _ : state) {
        const string_value text = RopeToString(nodes.back());
        benchmark::DoNotOptimize(text);
        benchmark::ClobberMemory();
    }
    Report(state);
}

void Memcpy(benchmark::State& state) {
    const std::string& text = Text();
    char* destination = Destination();
    for (auto _ : state) {
        std::memcpy(destination, text.data(), text.size());
        benchmark::ClobberMemory();
    }
    Report(state);
}

void PieceSizes(benchmark::internal::Benchmark* b) {
    b->Arg(16)->Arg(256)->Arg(4096)->Unit(benchmark::kMillisecond);
}

} // namespace

// The cast to "string" takes its block from the host's inspector memory.
extern "C" void* Allocate_Inspector_Memory(unsigned size) {
    return size <= textSize ? Destination() : nullptr;
}

BENCHMARK(Contains)->Name("BM_RopeContains")->Apply(PieceSizes);
BENCHMARK(FlatContains)->Name("BM_FlatContains/16")->Unit(benchmark::kMillisecond);
BENCHMARK(Flatten)->Name("BM_RopeFlatten")->Apply(PieceSizes);
BENCHMARK(Memcpy)->Name("BM_Memcpy")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
