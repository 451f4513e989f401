// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "TableBuilder.h"

#include "PositionIndex.h"
#include "TableFile.h"
#include "TableMove.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace ombrel {

namespace {

constexpr std::uint64_t ChunkSize = 1 << 14;
constexpr std::uint64_t JumpAfter = 48; // steps of a walk that cost about one unranking

// Lower bound in the low nibble, upper bound in the high one, both + 8.
std::uint8_t pack(int lower, int upper)
{
    return std::uint8_t((lower + TableLevel::ValueBias) | (upper + TableLevel::ValueBias) << 4);
}
int lowerOf(std::uint8_t b)
{
    return int(b & 15u) - TableLevel::ValueBias;
}
int upperOf(std::uint8_t b)
{
    return int(b >> 4) - TableLevel::ValueBias;
}

class LevelSweep
{
public:
    LevelSweep(const EndgameTables &tables, int seeds)
        : m_tables(tables), m_seeds(seeds), m_distributions(PositionIndex::Distributions(seeds)),
          m_size(PositionIndex::LevelSize(seeds)), m_bounds(new std::atomic<std::uint8_t>[m_size])
    {
        const int limit = TableLevel::MaxValue(seeds);
        for (std::uint64_t i = 0; i < m_size; ++i)
            m_bounds[i].store(pack(-limit, limit), std::memory_order_relaxed);
    }

    // One pass over the level by `threads` threads; true when a bound moved.
    bool Sweep(int threads, const std::atomic<bool> *cancel)
    {
        m_next.store(0);
        m_changed.store(false);
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back([this, cancel] { work(cancel); });
        work(cancel);
        for (auto &t : pool)
            t.join();
        return m_changed.load();
    }

    std::uint64_t Solved() const
    {
        std::uint64_t n = 0;
        for (std::uint64_t i = 0; i < m_size; ++i) {
            const std::uint8_t b = m_bounds[i].load(std::memory_order_relaxed);
            n += lowerOf(b) == upperOf(b);
        }
        return n;
    }
    std::uint64_t Size() const { return m_size; }

    TableLevel Finish() const
    {
        std::vector<std::uint8_t> packed((m_size + 1) / 2, 0);
        std::uint64_t endless = 0;
        for (std::uint64_t i = 0; i < m_size; ++i) {
            const std::uint8_t b = m_bounds[i].load(std::memory_order_relaxed);
            const int l = lowerOf(b);
            const int u = upperOf(b);
            const int v = l > 0 ? l : (u < 0 ? u : 0);
            endless += l < u;
            packed[i >> 1] |= std::uint8_t((v + TableLevel::ValueBias) << ((i & 1) * 4));
        }
        return TableLevel(m_seeds, std::move(packed), endless);
    }

private:
    void work(const std::atomic<bool> *cancel)
    {
        bool changed = false;
        for (;;) {
            const std::uint64_t start = m_next.fetch_add(ChunkSize);
            if (start >= m_size || (cancel && cancel->load(std::memory_order_relaxed)))
                break;
            const std::uint64_t end = std::min(start + ChunkSize, m_size);
            // The walk follows the unsolved positions; past a long run of
            // solved ones it starts again from the rank instead of stepping.
            std::uint64_t at = end; // the index the walk stands on
            DistributionWalk walk(0, m_seeds);
            for (std::uint64_t i = start; i < end; ++i) {
                const std::uint8_t b = m_bounds[i].load(std::memory_order_relaxed);
                if (lowerOf(b) == upperOf(b))
                    continue;
                if (at > i || i - at > JumpAfter || i / m_distributions != at / m_distributions) {
                    walk = DistributionWalk(i % m_distributions, m_seeds);
                    at = i;
                }
                for (; at < i; ++at)
                    walk.Next();
                changed |= update(i, walk.Seeds(), int(i / m_distributions));
            }
        }
        if (changed)
            m_changed.store(true);
    }

    bool update(std::uint64_t i, const SeedArray &seeds, int k)
    {
        const std::uint8_t old = m_bounds[i].load(std::memory_order_relaxed);
        int lower = -100;
        int upper = -100;
        for (int h = 0; h < k; ++h) {
            if (seeds[h] == 0)
                continue;
            const TableMove m = TableMove::Play(seeds, k, h);
            if (m.RoundEnds) {
                lower = std::max(lower, m.Gain);
                upper = std::max(upper, m.Gain);
            } else if (m.ChildSeeds < m_seeds) {
                const int v = m.Gain - m_tables.Value(m.Child, m.ChildHouses, m.ChildSeeds);
                lower = std::max(lower, v);
                upper = std::max(upper, v);
            } else {
                const std::uint8_t c =
                    m_bounds[PositionIndex::Index(m.Child, m.ChildHouses, m_seeds)].load(
                        std::memory_order_relaxed);
                lower = std::max(lower, m.Gain - upperOf(c));
                upper = std::max(upper, m.Gain - lowerOf(c));
            }
        }
        if (lower == -100) // the mover has no seed: the other player counts his
            lower = upper = -(m_seeds / GroupSize);
        lower = std::max(lower, lowerOf(old));
        upper = std::min(upper, upperOf(old));
        const std::uint8_t now = pack(lower, upper);
        if (now == old)
            return false;
        m_bounds[i].store(now, std::memory_order_relaxed);
        return true;
    }

    const EndgameTables &m_tables;
    int m_seeds;
    std::uint64_t m_distributions;
    std::uint64_t m_size;
    std::unique_ptr<std::atomic<std::uint8_t>[]> m_bounds;
    std::atomic<std::uint64_t> m_next{0};
    std::atomic<bool> m_changed{false};
};

bool makeDirectories(const std::string &path, std::string &error)
{
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/')
            continue;
        const std::string part = path.substr(0, pos);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            error = part + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

} // namespace

TableLevel TableBuilder::BuildLevel(const EndgameTables &tables, int seeds, int threads,
                                    LevelStats &stats, const Progress &progress,
                                    const std::atomic<bool> *cancel)
{
    const auto start = std::chrono::steady_clock::now();
    LevelSweep sweep(tables, seeds);
    stats = LevelStats{};
    stats.Seeds = seeds;
    stats.Positions = sweep.Size();
    threads = std::max(1, threads);
    while (sweep.Sweep(threads, cancel)) {
        ++stats.Sweeps;
        if (cancel && cancel->load())
            return TableLevel();
        if (progress)
            progress(seeds, double(sweep.Solved()) / double(sweep.Size()));
    }
    ++stats.Sweeps;
    TableLevel level = sweep.Finish();
    stats.Endless = level.Endless();
    stats.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return level;
}

bool TableBuilder::BuildInto(const std::string &directory, int maxSeeds, int threads,
                             EndgameTables &tables, std::string &error, const Progress &progress,
                             const std::function<void(const LevelStats &)> &report,
                             const std::atomic<bool> *cancel)
{
    if (maxSeeds < 0 || maxSeeds > MaxTableSeeds) {
        error = "the tables reach at most " + std::to_string(MaxTableSeeds) + " seeds";
        return false;
    }
    if (!makeDirectories(directory, error))
        return false;
    if (!tables.LoadFrom(directory, maxSeeds, error))
        return false;
    for (int s = 0; s <= tables.MaxSeeds(); ++s) {
        if (report) {
            LevelStats stats;
            stats.Seeds = s;
            stats.Positions = tables.Level(s).Positions();
            stats.Endless = tables.Level(s).Endless();
            stats.Loaded = true;
            report(stats);
        }
    }
    for (int s = tables.MaxSeeds() + 1; s <= maxSeeds; ++s) {
        LevelStats stats;
        TableLevel level = BuildLevel(tables, s, threads, stats, progress, cancel);
        if (cancel && cancel->load()) {
            error = "cancelled";
            return false;
        }
        if (!TableFile::Write(TableFile::PathFor(directory, s), level, error))
            return false;
        tables.Add(std::move(level));
        if (report)
            report(stats);
    }
    return true;
}

std::uint64_t TableBuilder::PeakMemory(int maxSeeds) noexcept
{
    // The levels below as nibbles, and the level being built: one byte of
    // bounds and a nibble of result a position.
    std::uint64_t below = 0;
    for (int s = 0; s < maxSeeds; ++s)
        below += (PositionIndex::LevelSize(s) + 1) / 2;
    const std::uint64_t top = PositionIndex::LevelSize(maxSeeds);
    return below + top + (top + 1) / 2;
}

} // namespace ombrel
