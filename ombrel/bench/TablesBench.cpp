// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The endgame tables' and the Master level's speed: building the tables up to
// 8, 10 and 12 seeds (positions solved a second, and the peak memory of the
// build), the fast sowing, and the Master's search to a fixed depth.
// Target: the 12-seed tables in under a minute on two cores, so at least
// 600 000 positions a second over the whole build.
#include "EndgameTables.h"
#include "MasterSearch.h"
#include "TableBuilder.h"
#include "tables/Sowing.h"

#include <benchmark/benchmark.h>

#include <thread>

using namespace ombrel;

namespace {

void buildTables(benchmark::State &state)
{
    const int seeds = int(state.range(0));
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    std::uint64_t positions = 0;
    for (auto _ : state) {
        EndgameTables tables;
        for (int s = 0; s <= seeds; ++s) {
            LevelStats stats;
            tables.Add(TableBuilder::BuildLevel(tables, s, threads, stats));
            positions += stats.Positions;
        }
        benchmark::DoNotOptimize(tables.MaxSeeds());
    }
    state.counters["positions/s"] =
        benchmark::Counter(double(positions), benchmark::Counter::kIsRate);
    state.counters["peak_bytes"] = double(TableBuilder::PeakMemory(seeds));
}
BENCHMARK(buildTables)->Arg(8)->Arg(10)->Arg(12)->Unit(benchmark::kMillisecond)->UseRealTime();

void sowOpening(benchmark::State &state)
{
    const SeedArray opening{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    std::uint64_t moves = 0;
    for (auto _ : state) {
        for (int h = 0; h < 6; ++h) {
            SeedArray s = opening;
            benchmark::DoNotOptimize(Sow(s, h, 0x3Fu));
            benchmark::DoNotOptimize(s);
        }
        moves += 6;
    }
    state.counters["moves/s"] = benchmark::Counter(double(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(sowOpening);

void masterFromTheOpening(benchmark::State &state)
{
    TBoard board;
    InitBoard(board);
    MasterLimits limits;
    limits.Seconds = 1000;
    limits.MaxDepth = int(state.range(0));
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        MasterSearch master;
        nodes += master.Choose(board, 0, limits).Nodes;
    }
    state.counters["nodes/s"] = benchmark::Counter(double(nodes), benchmark::Counter::kIsRate);
    state.counters["nodes"] = benchmark::Counter(double(nodes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(masterFromTheOpening)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
