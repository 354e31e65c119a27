// Full scans for absent needles: the resumable search against the C library's
// memmem and the standard library's Horspool searcher, on the same text.
#include "EnglishLikeText.h"
#include "universe/searching/MatchLoop.h"
#include "universe/searching/PatternMatcher.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr std::size_t textSize = std::size_t{64} << 20;

const std::string& Text() {
    static const std::string text = BenchText::Generate(textSize);
    return text;
}

std::string Needle(benchmark::State& state) {
    return BenchText::AbsentNeedle(Text(), static_cast<std::size_t>(state.range(0)), 42);
}

void Report(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Text().size()));
}

void SearchMatchLoop(benchmark::State& state) {
    const std::string needle = Needle(state);
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

void SearchMemmem(benchmark::State& state) {
    const std::string needle = Needle(state);
    for (auto _ : state) {
        const void* hit = memmem(Text().data(), Text().size(), needle.data(), needle.size());
        if (hit != nullptr) {
            state.SkipWithError("needle found");
        }
        benchmark::DoNotOptimize(hit);
    }
    Report(state);
}

void SearchStdHorspool(benchmark::State& state) {
    const std::string needle = Needle(state);
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
    for (auto _ : state) {
        const auto hit = std::search(Text().begin(), Text().end(), searcher);
        if (hit != Text().end()) {
            state.SkipWithError("needle found");
        }
        benchmark::DoNotOptimize(hit);
    }
    Report(state);
}

void NeedleLengths(benchmark::internal::Benchmark* b) {
    b->Arg(4)->Arg(16)->Arg(64)->Arg(300)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(SearchMatchLoop)->Name("BM_Search/MatchLoop")->Apply(NeedleLengths);
BENCHMARK(SearchMemmem)->Name("BM_Search/memmem")->Apply(NeedleLengths);
BENCHMARK(SearchStdHorspool)->Name("BM_Search/StdHorspool")->Apply(NeedleLengths);

BENCHMARK_MAIN();
