// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The search's speed: ScoreMove for every playable house, at depths 2 to 8,
// from the opening and from the position after Player 1 played house 0.
// Target: at least 12 million nodes per second at depth 8 with the pump hook
// in place (a window's pump returns at once on almost every node).
#include "ai/BenchSuite.h"
#include "ai/Search.h"

#include <benchmark/benchmark.h>

using namespace ombrel;

namespace {

const SeedArray opening{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
const SeedArray afterHouseZero{2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6};

// Stands in for a window that pumps only every few milliseconds: almost every
// call returns at once.
void cheapPump(void *data)
{
    auto *calls = static_cast<std::uint64_t *>(data);
    if ((++*calls & 0xFFFF) == 0)
        benchmark::ClobberMemory();
}

void searchAll(benchmark::State &state, const SeedArray &seeds, int player, bool pump)
{
    const int depth = int(state.range(0));
    std::uint64_t nodes = 0;
    std::uint64_t pumps = 0;
    bool stop = false;
    for (auto _ : state) {
        SearchContext context(6);
        context.Stop = &stop;
        if (pump) {
            context.Pump = cheapPump;
            context.PumpData = &pumps;
        }
        for (int h = 0; h < HouseCount; ++h)
            if (context.Owners[h] == player && seeds[h] != 0)
                benchmark::DoNotOptimize(ScoreMove(depth, player, h, seeds, {0, 0}, context));
        nodes += context.Nodes;
    }
    state.counters["nodes/s"] = benchmark::Counter(double(nodes), benchmark::Counter::kIsRate);
    state.counters["nodes"] = benchmark::Counter(double(nodes), benchmark::Counter::kAvgIterations);
}

void BM_Opening(benchmark::State &state)
{
    searchAll(state, opening, 0, true);
}
void BM_AfterHouseZero(benchmark::State &state)
{
    searchAll(state, afterHouseZero, 1, true);
}
void BM_OpeningNoPump(benchmark::State &state)
{
    searchAll(state, opening, 0, false);
}

void BM_BenchSuiteDepth8(benchmark::State &state)
{
    std::uint64_t nodes = 0;
    for (auto _ : state)
        nodes += RunBenchSuite(8).Nodes;
    state.counters["nodes/s"] = benchmark::Counter(double(nodes), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_Opening)->DenseRange(2, 8, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AfterHouseZero)->DenseRange(2, 8, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpeningNoPump)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BenchSuiteDepth8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
