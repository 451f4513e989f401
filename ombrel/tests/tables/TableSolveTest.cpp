// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The tables checked against solutions that share none of the builder's code
// but the position index: the search's own move simulation, a solver that
// works by thresholds instead of bounds, and a plain search to the end of the
// round.
#include "EndgameTables.h"
#include "PositionIndex.h"
#include "Random.h"
#include "Search.h"
#include "TableBuilder.h"
#include "TableMove.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace ombrel;

namespace {

constexpr int CheckedSeeds = 8;

OwnerTable arcOwners(int k)
{
    OwnerTable owners{};
    for (int h = 0; h < HouseCount; ++h)
        owners[h] = h < k ? 0 : 1;
    return owners;
}

// A move from a canonical position played by the search's simulation.
struct PlainMove
{
    bool cut = false;
    bool ends = false;
    int gain = 0;
    SeedArray child{};
    int childHouses = 0;
    int childSeeds = 0;
};

PlainMove playPlain(const SeedArray &seeds, int k, int h)
{
    const MoveOutcome out = SimulateMove(arcOwners(k), 0, h, seeds, {0, 0});
    PlainMove m;
    m.cut = out.Cut; // the search drops the seeds in hand, the game lays them down
    m.gain = out.Stores[0] - out.Stores[1];
    int own = 0, other = 0;
    for (int i = 0; i < HouseCount; ++i)
        (i < k ? own : other) += out.Seeds[i];
    if (other == 0) {
        m.ends = true;
        m.gain += own / 4;
        return m;
    }
    for (int i = 0; i < HouseCount; ++i)
        m.child[i] = out.Seeds[(i + k) % HouseCount];
    m.childHouses = HouseCount - k;
    m.childSeeds = own + other;
    return m;
}

// Solves every level up to `maxSeeds` by threshold games: V >= t holds where
// the mover can force a result of at least t in finitely many moves, V <= -t
// where the other player can force the opposite; anything else is 0.
std::vector<std::vector<int>> solveByThresholds(int maxSeeds)
{
    std::vector<std::vector<int>> values;
    for (int s = 0; s <= maxSeeds; ++s) {
        const std::uint64_t n = PositionIndex::LevelSize(s);
        const std::uint64_t d = PositionIndex::Distributions(s);
        std::vector<int> bestExit(n, -100);
        std::vector<std::vector<std::uint32_t>> children(n);
        std::vector<bool> noMove(n, true);
        for (std::uint64_t i = 0; i < n; ++i) {
            const int k = int(i / d);
            const SeedArray seeds = PositionIndex::Unrank(i % d, s);
            for (int h = 0; h < k; ++h) {
                if (seeds[h] == 0)
                    continue;
                noMove[i] = false;
                const PlainMove m = playPlain(seeds, k, h);
                EXPECT_FALSE(m.cut); // no sowing of eight seeds or fewer is endless
                int v = 0;
                if (m.ends || m.childSeeds < s) {
                    v = m.ends ? m.gain
                               : m.gain - values[m.childSeeds][PositionIndex::Index(
                                              m.child, m.childHouses, m.childSeeds)];
                    bestExit[i] = std::max(bestExit[i], v);
                } else {
                    children[i].push_back(
                        std::uint32_t(PositionIndex::Index(m.child, m.childHouses, s)));
                }
            }
        }
        std::vector<int> value(n, 0);
        for (int t = 1; t <= s / 4; ++t) {
            std::vector<bool> win(n, false), lose(n, false);
            for (bool changed = true; changed;) {
                changed = false;
                for (std::uint64_t i = 0; i < n; ++i) {
                    if (noMove[i]) {
                        lose[i] = s / 4 >= t;
                        continue;
                    }
                    bool w = bestExit[i] >= t;
                    bool l = bestExit[i] <= -t; // every exit, if any, is that bad
                    for (const std::uint32_t c : children[i]) {
                        w = w || lose[c];
                        l = l && win[c];
                    }
                    if (w != win[i] || l != lose[i]) {
                        changed = true;
                        win[i] = w;
                        lose[i] = l;
                    }
                }
            }
            for (std::uint64_t i = 0; i < n; ++i) {
                if (win[i])
                    value[i] = t;
                if (lose[i])
                    value[i] = -t;
            }
        }
        values.push_back(std::move(value));
    }
    return values;
}

class TableSolve : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        tables = new EndgameTables;
        for (int s = 0; s <= CheckedSeeds; ++s) {
            LevelStats stats;
            tables->Add(TableBuilder::BuildLevel(*tables, s, 2, stats));
        }
    }
    static void TearDownTestSuite()
    {
        delete tables;
        tables = nullptr;
    }
    static EndgameTables *tables;
};

EndgameTables *TableSolve::tables = nullptr;

TEST_F(TableSolve, everyPositionUpToEightSeedsMatchesTheThresholdSolution)
{
    const auto expected = solveByThresholds(CheckedSeeds);
    std::uint64_t checked = 0;
    for (int s = 0; s <= CheckedSeeds; ++s) {
        const std::uint64_t n = PositionIndex::LevelSize(s);
        for (std::uint64_t i = 0; i < n; ++i)
            ASSERT_EQ(tables->Level(s).Value(i), expected[s][i]) << s << " seeds, index " << i;
        checked += n;
    }
    EXPECT_EQ(checked, 1637610u);
}

// Returns the value of the rest of the round, and whether every line ended
// within `depth` moves (otherwise the value is only the search's).
int plainSearch(const SeedArray &seeds, int k, int depth, bool &complete)
{
    int own = 0, total = 0;
    for (int h = 0; h < HouseCount; ++h) {
        own += h < k ? seeds[h] : 0;
        total += seeds[h];
    }
    if (own == 0)
        return -(total / 4);
    if (depth == 0) {
        complete = false;
        return 0;
    }
    int best = -100;
    for (int h = 0; h < k; ++h) {
        if (seeds[h] == 0)
            continue;
        const PlainMove m = playPlain(seeds, k, h);
        if (m.cut) {
            complete = false;
            continue;
        }
        const int v =
            m.ends ? m.gain : m.gain - plainSearch(m.child, m.childHouses, depth - 1, complete);
        best = std::max(best, v);
    }
    return best;
}

// Where a plain search reaches the end of the round on every line, it and the
// computer's own search agree with the tables, house by house.
TEST_F(TableSolve, agreesWithSearchesThatReachTheEndOfTheRound)
{
    Random rng(8);
    int complete = 0;
    for (int trial = 0; trial < 400; ++trial) {
        TBoard b;
        InitBoard(b);
        b.Player1Houses = rng.Below(HouseCount + 1);
        b.Mover = std::uint8_t(rng.Below(2));
        b.Seeds.fill(0);
        const int seeds = 1 + rng.Below(CheckedSeeds);
        for (int i = 0; i < seeds; ++i)
            ++b.Seeds[rng.Below(HouseCount)];
        b.Taken = {rng.Below(4), rng.Below(4)};
        EndgameTables::MoveValues exact;
        ASSERT_TRUE(tables->ProbeMoves(b.Seeds, b.Player1Houses, b.Mover, exact));
        const CanonicalPosition p = PositionIndex::Canonical(b.Seeds, b.Player1Houses, b.Mover);
        const int depth = 6;
        SearchContext context(b.Player1Houses);
        const Candidates searched = CollectCandidates(depth, b.Mover, b, context);
        for (int i = 0; i < p.MoverHouses; ++i) {
            if (p.Seeds[i] == 0)
                continue;
            const int house = (i + p.Rotation) % HouseCount;
            bool done = true;
            const PlainMove m = playPlain(p.Seeds, p.MoverHouses, i);
            const int v =
                m.ends ? m.gain : m.gain - plainSearch(m.child, m.childHouses, depth - 1, done);
            if (!done)
                continue;
            ++complete;
            ASSERT_TRUE(exact.Playable[house]);
            EXPECT_EQ(exact.Values[house], v) << "trial " << trial << " house " << house;
            EXPECT_EQ(exact.Values[house] + b.Taken[b.Mover] - b.Taken[1 - b.Mover],
                      searched.Scores[house])
                << "trial " << trial << " house " << house;
        }
    }
    EXPECT_GT(complete, 300);
}

// The 12-seed tables are too slow to build in a test; given a folder that
// holds them (OMBREL_TABLES_DIR, e.g. after ombrel-engine tables), a random
// sample of their positions must be a fixed point of the negamax step, and
// agree with a plain search wherever that search reaches the end of the round.
TEST(TableSample, twelveSeedsAgreeWithTheirOwnMovesAndAPlainSearch)
{
    const char *dir = std::getenv("OMBREL_TABLES_DIR");
    if (!dir)
        GTEST_SKIP() << "set OMBREL_TABLES_DIR to a folder with the 12-seed tables";
    EndgameTables tables;
    std::string error;
    ASSERT_TRUE(tables.LoadFrom(dir, 12, error)) << error;
    ASSERT_EQ(tables.MaxSeeds(), 12);
    Random rng(12);
    int searched = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const int k = rng.Below(HouseCount + 1);
        SeedArray seeds{};
        for (int i = 0; i < 12; ++i)
            ++seeds[rng.Below(HouseCount)];
        const int value = tables.Value(seeds, k, 12);
        int best = -100;
        bool complete = true;
        int plain = -100;
        for (int h = 0; h < k; ++h) {
            if (seeds[h] == 0)
                continue;
            const TableMove m = TableMove::Play(seeds, k, h);
            const int v =
                m.RoundEnds ? m.Gain : m.Gain - tables.Value(m.Child, m.ChildHouses, m.ChildSeeds);
            best = std::max(best, v);
            if (trial % 20 == 0) {
                const PlainMove p = playPlain(seeds, k, h);
                if (p.cut) {
                    complete = false;
                    continue;
                }
                plain = std::max(
                    plain,
                    p.ends ? p.gain : p.gain - plainSearch(p.child, p.childHouses, 5, complete));
            }
        }
        if (best == -100)
            best = -3; // the mover has no seed: the other player counts 12
        ASSERT_EQ(value, best) << "trial " << trial;
        if (trial % 20 == 0 && complete && plain != -100) {
            ++searched;
            EXPECT_EQ(value, plain) << "trial " << trial;
        }
    }
    EXPECT_GT(searched, 50);
}

} // namespace
