// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "MasterSearch.h"
#include "EndgameTables.h"
#include "Random.h"
#include "Search.h"
#include "TableBuilder.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

TBoard boardWith(const SeedArray &seeds, int player1Houses = 6)
{
    TBoard b;
    InitBoard(b);
    b.Seeds = seeds;
    b.Player1Houses = player1Houses;
    return b;
}

MasterLimits depthOnly(int depth)
{
    MasterLimits limits;
    limits.Seconds = 3600; // the depth ends the search, never the clock
    limits.MaxDepth = depth;
    return limits;
}

struct KnownPosition
{
    const char *name;
    SeedArray seeds;
    int player;
    int depth;
};

class MasterAtFixedDepth : public ::testing::TestWithParam<KnownPosition>
{
};

// With a unique best move, pruning and the table of positions must not change
// the answer of the full-width search at the same depth.
TEST_P(MasterAtFixedDepth, findsTheFullWidthSearchsUniqueBestMove)
{
    const KnownPosition &p = GetParam();
    const TBoard b = boardWith(p.seeds);
    SearchContext context(6);
    const Candidates full = CollectCandidates(p.depth, p.player, b, context);
    ASSERT_EQ(full.Count, 1);
    MasterSearch master;
    const MasterResult r = master.Choose(b, p.player, depthOnly(p.depth));
    EXPECT_EQ(r.House, full.Houses[0]);
    EXPECT_EQ(r.Score, full.Best);
    EXPECT_EQ(r.Depth, p.depth);
    EXPECT_FALSE(r.Exact);
    EXPECT_LT(r.Nodes, context.Nodes); // and it looked at fewer positions
}

INSTANTIATE_TEST_SUITE_P(
    Known, MasterAtFixedDepth,
    ::testing::Values(
        KnownPosition{"mediumAfterHouseZero", {2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6}, 1, 2},
        KnownPosition{"difficultAfterHouseZero", {2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6}, 1, 4},
        KnownPosition{"difficultFromTheOpening", {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 0, 4}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MasterSearch, playsTheTablesBestMoveWithTheExactScore)
{
    EndgameTables tables;
    for (int s = 0; s <= 6; ++s) {
        LevelStats stats;
        tables.Add(TableBuilder::BuildLevel(tables, s, 1, stats));
    }
    MasterSearch master;
    master.SetTables(&tables);
    Random rng(7);
    for (int trial = 0; trial < 200; ++trial) {
        TBoard b = boardWith({}, rng.Below(13));
        for (int i = 0; i < 6; ++i)
            ++b.Seeds[rng.Below(HouseCount)];
        b.Taken = {rng.Below(3), rng.Below(3)};
        const int player = rng.Below(2);
        EndgameTables::MoveValues exact;
        ASSERT_TRUE(tables.ProbeMoves(b.Seeds, b.Player1Houses, player, exact));
        const MasterResult r = master.Choose(b, player, depthOnly(3));
        if (SeedsOf(b, player) == 0) {
            EXPECT_EQ(r.House, -1);
            continue;
        }
        ASSERT_TRUE(r.Exact);
        ASSERT_TRUE(CanPlay(b, player, r.House));
        EXPECT_EQ(exact.Values[r.House], exact.Best);
        EXPECT_EQ(r.Score, exact.Best + b.Taken[player] - b.Taken[1 - player]);
    }
}

TEST(MasterSearch, aStopBeforeTheFirstIterationStillPlaysALegalMove)
{
    const bool stop = true;
    MasterLimits limits;
    limits.Stop = &stop;
    MasterSearch master;
    TBoard b;
    InitBoard(b);
    b.Seeds[0] = 0;
    const MasterResult r = master.Choose(b, 0, limits);
    EXPECT_TRUE(CanPlay(b, 0, r.House));
    EXPECT_EQ(r.Depth, 0);
}

TEST(MasterSearch, pumpsWhileItSearches)
{
    int pumps = 0;
    MasterLimits limits = depthOnly(8);
    limits.Pump = [](void *data) { ++*static_cast<int *>(data); };
    limits.PumpData = &pumps;
    MasterSearch master;
    TBoard b;
    InitBoard(b);
    master.Choose(b, 0, limits);
    EXPECT_GT(pumps, 0);
}

TEST(MasterSearch, aPlayerWithoutSeedsHasNoMove)
{
    TBoard b = boardWith({0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 0});
    MasterSearch master;
    EXPECT_EQ(master.Choose(b, 0, depthOnly(4)).House, -1);
}

} // namespace
