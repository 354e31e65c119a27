// The price of one aggregate element: the host's call of the registered
// `add` slot of "mean", through the adapter into the state, ending in the
// NoSuchObject that every `add` raises; against a bare throw and catch of
// NoSuchObject across one call, which bounds it from below.
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

struct MeanSlots {
    ConstructStateCallback constructState = nullptr;
    DestroyStateCallback destroyState = nullptr;
    AggregateCallback begin = nullptr;
    AggregateCallback add = nullptr;
    const void* registration = nullptr;
    unsigned stateSize = 0;
};

MeanSlots& Mean() {
    static MeanSlots slots;
    return slots;
}

void AggregateAddMean(benchmark::State& state) {
    const MeanSlots& mean = Mean();
    if (mean.add == nullptr) {
        state.SkipWithError("\"mean\" of floating point was not registered");
        return;
    }
    std::vector<std::max_align_t> stateStorage(mean.stateSize / sizeof(std::max_align_t) + 1);
    floating_point result;
    void* meanState = mean.constructState(stateStorage.data());
    try {
        mean.begin(&result, nullptr, nullptr, meanState, mean.registration);
    } catch (const NoSuchObject&) {
    }
    const floating_point element(1.5, 0, 0);
    for (auto _ : state) {
        try {
            mean.add(&result, nullptr, &element, meanState, mean.registration);
        } catch (const NoSuchObject&) {
        }
    }
    mean.destroyState(meanState);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

[[gnu::noinline]] void Raise() {
    throw NoSuchObject();
}

void ThrowCatch(benchmark::State& state) {
    for (auto _ : state) {
        try {
            Raise();
        } catch (const NoSuchObject&) {
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

} // namespace

// The host side that the registrations of "mean" need: registration and the
// arithmetic on host values. The arithmetic is what a host would do at the
// least: machine operations and the union of the flags.
extern "C" {

int Register_Aggregate_Property(void* object, unsigned, const char* name, const char*, const char*,
                                const char* elementType, const char*, unsigned stateSize,
                                ConstructStateCallback constructState,
                                DestroyStateCallback destroyState, AggregateCallback begin,
                                AggregateCallback, AggregateCallback add, AggregateCallback,
                                AggregateCallback, AggregateCallback, const void*, HookCallback) {
    if (std::strcmp(name, "mean") == 0 && std::strcmp(elementType, "floating point") == 0) {
        Mean() = MeanSlots{constructState, destroyState, begin, add, object, stateSize};
    }
    return 1;
}

int Unregister_Property(void*) {
    return 1;
}

} // extern "C"

integer operator+(integer a, integer b) {
    return integer(a.Value() + b.Value());
}
floating_point operator+(floating_point a, floating_point b) {
    return floating_point(a.Number() + b.Number(), a.Second(), a.Flags() | b.Flags());
}
floating_point operator*(floating_point a, floating_point b) {
    return floating_point(a.Number() * b.Number(), a.Second(), a.Flags() | b.Flags());
}
floating_point operator/(floating_point a, integer b) {
    return floating_point(a.Number() / static_cast<double>(b.Value()), a.Second(), a.Flags());
}
floating_point asFloatingPoint(integer a) {
    return floating_point(static_cast<double>(a.Value()), floating_point().Second(), 0);
}

BENCHMARK(AggregateAddMean)->Name("BM_AggregateAdd/mean");
BENCHMARK(ThrowCatch)->Name("BM_ThrowCatch");

BENCHMARK_MAIN();
