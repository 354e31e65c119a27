// Long flat queries: compiling and evaluating a chain of N operands of one
// operator, through the host with its own vocabulary. Linear when the chain
// of 100,000 takes about ten times as long as the chain of 10,000.
#include "host/Veritor.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

std::string Chain(const char* operand, const char* separator, long operands) {
    std::string chain = operand;
    for (long i = 1; i < operands; ++i) {
        chain.append(separator).append(operand);
    }
    return chain;
}

void Evaluate(benchmark::State& state, const char* operand, const char* separator) {
    const std::string query = Chain(operand, separator, state.range(0));
    veritor::Run(query); // warm up
    for (auto _ : state) {
        benchmark::DoNotOptimize(veritor::Run(query));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Sum(benchmark::State& state) {
    Evaluate(state, "1", " + ");
}
void BM_Concatenation(benchmark::State& state) {
    Evaluate(state, "\"ab\"", " & ");
}
void BM_List(benchmark::State& state) {
    Evaluate(state, "1", "; ");
}

BENCHMARK(BM_Sum)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Concatenation)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_List)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
