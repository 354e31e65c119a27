// Escaping text for html against the escaper a user would write instead (a
// byte at a time, appending to a std::string) and against a plain copy, over
// the 64 MiB English-like text as it is ("clean": no markup characters) and
// with a markup character about every 20 bytes ("mixed"); and the rendering
// of one element around a 1 KiB text.
#include "EnglishLikeText.h"
#include "frame/VeritorInterface.h"
#include "inspectors/html/HtmlEscape.h"
#include "inspectors/html/RenderElement.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr std::size_t textSize = std::size_t{64} << 20;

const std::string& Clean() {
    static const std::string text = BenchText::Generate(textSize);
    return text;
}

// The same text with one of the four markup characters at random distances
// of 1 to 39 bytes (20 on average).
const std::string& Mixed() {
    static const std::string text = [] {
        std::string mixed = Clean();
        std::mt19937 random(7);
        std::uniform_int_distribution<std::size_t> gap(1, 39);
        std::uniform_int_distribution<std::size_t> which(0, 3);
        for (std::size_t at = gap(random); at < mixed.size(); at += gap(random)) {
            mixed[at] = "&<>\""[which(random)];
        }
        return mixed;
    }();
    return text;
}

using TextFunction = const std::string& (*)();

// Every escaped text is written here, touched once up front so that page
// faults stay out of the measurements; room for the mixed text escaped.
constexpr std::size_t destinationSize = 2 * textSize;

char* Destination() {
    static const std::unique_ptr<char[]> block = [] {
        auto bytes = std::make_unique<char[]>(destinationSize);
        std::memset(bytes.get(), 0, destinationSize);
        return bytes;
    }();
    return block.get();
}

void Report(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

void Escape(benchmark::State& state, TextFunction textOf) {
    const std::string& text = textOf();
    Destination();
    for (auto _ : state) {
        const ConstData escaped = HtmlEscape(ConstData(text));
        benchmark::DoNotOptimize(escaped);
        benchmark::ClobberMemory();
    }
    Report(state, text.size());
}

std::string NaiveEscape(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
            break;
        }
    }
    return escaped;
}

void Naive(benchmark::State& state, TextFunction textOf) {
    const std::string& text = textOf();
    for (auto _ : state) {
        const std::string escaped = NaiveEscape(text);
        benchmark::DoNotOptimize(escaped.data());
    }
    Report(state, text.size());
}

void Memcpy(benchmark::State& state) {
    // Both texts are made and touched before timing: a run of this
    // benchmark alone would otherwise count their first page faults.
    const std::string& text = Clean();
    char* destination = Destination();
    for (auto _ : state) {
        std::memcpy(destination, text.data(), text.size());
        benchmark::ClobberMemory();
    }
    Report(state, text.size());
}

// "div" with an index of attribute text of a 1 KiB string, as the tag
// family renders it.
void Render(benchmark::State& state) {
    const ConstData text = ConstData(Clean()).First(1024);
    Destination();
    for (auto _ : state) {
        const Html element = RenderTextElement("div", "class=x", text);
        benchmark::DoNotOptimize(element);
        benchmark::ClobberMemory();
    }
}

const bool registered = [] {
    const auto inMilliseconds = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond);
    };
    inMilliseconds(benchmark::RegisterBenchmark("BM_HtmlEscape/clean", Escape, Clean));
    inMilliseconds(benchmark::RegisterBenchmark("BM_HtmlEscape/mixed", Escape, Mixed));
    inMilliseconds(benchmark::RegisterBenchmark("BM_NaiveEscape/clean", Naive, Clean));
    inMilliseconds(benchmark::RegisterBenchmark("BM_NaiveEscape/mixed", Naive, Mixed));
    inMilliseconds(benchmark::RegisterBenchmark("BM_Memcpy", Memcpy));
    benchmark::RegisterBenchmark("BM_RenderElement", Render);
    return true;
}();

} // namespace

// Escaped texts and elements take their blocks from the host's inspector
// memory; each iteration may reuse the same block.
extern "C" void* Allocate_Inspector_Memory(unsigned size) {
    return size <= destinationSize ? Destination() : nullptr;
}

BENCHMARK_MAIN();
