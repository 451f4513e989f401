// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "MasterSearch.h"

#include "EndgameTables.h"
#include "PositionIndex.h"
#include "TableMove.h"

#include <algorithm>
#include <array>

namespace ombrel {

namespace {

enum Bound : std::uint8_t
{
    Exact = 1,
    Lower = 2,
    Upper = 3
};

constexpr int Infinity = 1 << 28;          // beyond any score, set-up boards included
constexpr std::uint64_t CheckEvery = 1024; // nodes between looks at the clock

struct Child
{
    TableMove Move;
    int House = 0;
    int Order = 0;
};

} // namespace

MasterSearch::MasterSearch(std::size_t tableEntries)
{
    std::size_t size = 1;
    while (size * 2 <= std::max<std::size_t>(tableEntries, 1))
        size *= 2;
    m_entries.resize(size);
}

void MasterSearch::Clear()
{
    std::fill(m_entries.begin(), m_entries.end(), Entry{});
}

std::uint64_t MasterSearch::keyOf(const SeedArray &seeds, int k) noexcept
{
    std::uint64_t h = 0x9E3779B97F4A7C15ull * std::uint64_t(k + 1);
    for (const int s : seeds) {
        h ^= std::uint64_t(std::uint32_t(s)) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        h *= 0xBF58476D1CE4E5B9ull;
    }
    h ^= h >> 31;
    return h | 1; // 0 marks an empty entry
}

bool MasterSearch::outOfTime()
{
    if (m_aborted)
        return true;
    if (m_nodes % CheckEvery != 1) // the first node looks too
        return false;
    if (m_limits.Pump)
        m_limits.Pump(m_limits.PumpData);
    if ((m_limits.Stop && *m_limits.Stop) || std::chrono::steady_clock::now() >= m_deadline)
        m_aborted = true;
    return m_aborted;
}

int MasterSearch::search(const SeedArray &seeds, int k, int depth, int alpha, int beta)
{
    ++m_nodes;
    if (outOfTime())
        return 0;
    int total = 0;
    for (const int s : seeds)
        total += s;
    if (MoverSeeds(seeds, k) == 0)
        return -(total / GroupSize);
    if (m_tables && total <= m_tables->MaxSeeds())
        return m_tables->Value(seeds, k, total);
    if (depth == 0)
        return 0;

    const std::uint64_t key = keyOf(seeds, k);
    Entry &entry = m_entries[key & (m_entries.size() - 1)];
    int hashMove = -1;
    if (entry.Key == key) {
        hashMove = entry.Move;
        if (entry.Depth >= depth) {
            const int v = entry.Score;
            if (entry.Bound == Exact || (entry.Bound == Lower && v >= beta) ||
                (entry.Bound == Upper && v <= alpha))
                return v;
        }
    }

    std::array<Child, HouseCount> children;
    int count = 0;
    for (int h = 0; h < k; ++h) {
        if (seeds[h] == 0)
            continue;
        Child &c = children[count++];
        c.Move = TableMove::Play(seeds, k, h);
        c.House = h;
        c.Order = (h == hashMove ? 1000 : 0) + c.Move.Gain * 10 + (c.Move.RoundEnds ? 5 : 0);
    }
    std::sort(children.begin(), children.begin() + count,
              [](const Child &a, const Child &b) { return a.Order > b.Order; });

    const int alphaIn = alpha;
    int best = -Infinity;
    int bestMove = -1;
    for (int i = 0; i < count; ++i) {
        const Child &c = children[i];
        int v;
        if (c.Move.RoundEnds) {
            v = c.Move.Gain;
        } else if (i == 0) {
            v = c.Move.Gain - search(c.Move.Child, c.Move.ChildHouses, depth - 1,
                                     c.Move.Gain - beta, c.Move.Gain - alpha);
        } else {
            v = c.Move.Gain - search(c.Move.Child, c.Move.ChildHouses, depth - 1,
                                     c.Move.Gain - alpha - 1, c.Move.Gain - alpha);
            if (v > alpha && v < beta && !m_aborted)
                v = c.Move.Gain - search(c.Move.Child, c.Move.ChildHouses, depth - 1,
                                         c.Move.Gain - beta, c.Move.Gain - alpha);
        }
        if (m_aborted)
            return 0;
        if (v > best) {
            best = v;
            bestMove = c.House;
        }
        alpha = std::max(alpha, v);
        if (alpha >= beta)
            break;
    }
    entry.Key = key;
    entry.Score = best;
    entry.Depth = std::int8_t(depth);
    entry.Move = std::int8_t(bestMove);
    entry.Bound = best <= alphaIn ? Upper : (best >= beta ? Lower : Exact);
    return best;
}

MasterResult MasterSearch::Choose(const TBoard &board, int player, const MasterLimits &limits)
{
    m_limits = limits;
    m_nodes = 0;
    m_aborted = false;
    const auto start = std::chrono::steady_clock::now();
    m_deadline = start + std::chrono::microseconds(std::int64_t(limits.Seconds * 1e6));

    MasterResult result;
    const int stores = board.Taken[player] - board.Taken[1 - player];
    const CanonicalPosition root =
        PositionIndex::Canonical(board.Seeds, board.Player1Houses, player);
    std::array<Child, HouseCount> children;
    int count = 0;
    for (int h = 0; h < root.MoverHouses; ++h) {
        if (root.Seeds[h] == 0)
            continue;
        Child &c = children[count++];
        c.Move = TableMove::Play(root.Seeds, root.MoverHouses, h);
        c.House = h;
        c.Order = c.Move.Gain;
    }
    if (count == 0)
        return result;
    const auto toBoard = [&](int h) { return (h + root.Rotation) % HouseCount; };

    EndgameTables::MoveValues exact;
    if (m_tables && m_tables->ProbeMoves(board.Seeds, board.Player1Houses, player, exact)) {
        for (int h = 0; h < HouseCount; ++h) {
            if (exact.Playable[h] && exact.Values[h] == exact.Best) {
                result.House = h;
                break;
            }
        }
        result.Score = exact.Best + stores;
        result.Exact = true;
        return result;
    }

    std::stable_sort(children.begin(), children.begin() + count,
                     [](const Child &a, const Child &b) { return a.Order > b.Order; });
    result.House = toBoard(children[0].House);
    for (int depth = 1; depth <= limits.MaxDepth; ++depth) {
        int alpha = -Infinity;
        int bestIndex = -1;
        for (int i = 0; i < count; ++i) {
            const Child &c = children[i];
            int v;
            if (c.Move.RoundEnds) {
                v = c.Move.Gain;
            } else if (i == 0) {
                v = c.Move.Gain - search(c.Move.Child, c.Move.ChildHouses, depth - 1, -Infinity,
                                         c.Move.Gain - alpha);
            } else {
                v = c.Move.Gain - search(c.Move.Child, c.Move.ChildHouses, depth - 1,
                                         c.Move.Gain - alpha - 1, c.Move.Gain - alpha);
                if (v > alpha && !m_aborted)
                    v = c.Move.Gain - search(c.Move.Child, c.Move.ChildHouses, depth - 1, -Infinity,
                                             c.Move.Gain - alpha);
            }
            if (m_aborted)
                break;
            if (v > alpha) {
                alpha = v;
                bestIndex = i;
            }
        }
        if (bestIndex > 0 || (bestIndex == 0 && !m_aborted)) {
            // A move proved better than the previous best counts even when
            // the iteration did not finish: it was searched to the full depth.
            result.House = toBoard(children[bestIndex].House);
            result.Score = alpha + stores;
            std::rotate(children.begin(), children.begin() + bestIndex,
                        children.begin() + bestIndex + 1);
        }
        if (m_aborted)
            break;
        result.Depth = depth;
    }
    result.Nodes = m_nodes;
    return result;
}

} // namespace ombrel
