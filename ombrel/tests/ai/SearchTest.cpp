// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ai/Search.h"
#include "ai/BenchSuite.h"
#include "ai/Random.h"

#include <gtest/gtest.h>

#include <map>

using namespace ombrel;

namespace {

const SeedArray opening{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
const SeedArray afterHouseZero{2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6};

std::map<int, int> scoresOf(int depth, int player, const SeedArray &seeds,
                            StoreArray stores = {0, 0}, int player1Houses = 6)
{
    TBoard b;
    InitBoard(b);
    b.Seeds = seeds;
    b.Taken = stores;
    b.Player1Houses = player1Houses;
    SearchContext ctx(player1Houses);
    const Candidates c = CollectCandidates(depth, player, b, ctx);
    std::map<int, int> out;
    for (int h = 0; h < HouseCount; ++h)
        if (c.Tried[h])
            out[h] = c.Scores[h];
    return out;
}

TEST(Search, mediumAfterHouseZero)
{
    EXPECT_EQ(scoresOf(2, 1, afterHouseZero),
              (std::map<int, int>{{6, -1}, {7, 1}, {9, -1}, {10, -1}, {11, -1}}));
}

TEST(Search, difficultAfterHouseZero)
{
    EXPECT_EQ(scoresOf(4, 1, afterHouseZero),
              (std::map<int, int>{{6, -1}, {7, 0}, {9, 1}, {10, -1}, {11, 0}}));
}

TEST(Search, mediumFromTheOpeningRatesAllHousesAlike)
{
    EXPECT_EQ(scoresOf(2, 0, opening),
              (std::map<int, int>{{0, -1}, {1, -1}, {2, -1}, {3, -1}, {4, -1}, {5, -1}}));
    TBoard b;
    InitBoard(b);
    SearchContext ctx(6);
    EXPECT_EQ(CollectCandidates(2, 0, b, ctx).Count, 6);
}

TEST(Search, difficultFromTheOpeningPrefersHouseZero)
{
    EXPECT_EQ(scoresOf(4, 0, opening),
              (std::map<int, int>{{0, -1}, {1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -2}}));
    TBoard b;
    InitBoard(b);
    SearchContext ctx(6);
    const Candidates c = CollectCandidates(4, 0, b, ctx);
    ASSERT_EQ(c.Count, 1);
    EXPECT_EQ(c.Houses[0], 0);
}

TEST(Search, depthZeroListsEveryPlayableHouseUnscored)
{
    TBoard b;
    InitBoard(b);
    b.Seeds[2] = 0;
    SearchContext ctx(6);
    const Candidates c = CollectCandidates(0, 0, b, ctx);
    EXPECT_EQ(c.Count, 5);
    EXPECT_EQ(c.Houses[2], 3);
    EXPECT_EQ(ctx.Nodes, 0u);
}

TEST(Search, endlessSowingIsScoredByTheStoresWhereItWasCut)
{
    const SeedArray endless{1, 0, 2, 1, 0, 1, 0, 2, 1, 2, 0, 2};
    const MoveOutcome m = SimulateMove(OwnerTableFor(6), 1, 9, endless, {0, 0});
    ASSERT_TRUE(m.Cut);
    SearchContext ctx(6);
    EXPECT_EQ(ScoreMove(8, 1, 9, endless, {0, 0}, ctx), m.Stores[1] - m.Stores[0]);
    EXPECT_EQ(ctx.Nodes, 1u); // no replies looked at
}

TEST(Search, roundEndCreditsTheMoversRemainingGroups)
{
    // Player 1 sows his one seed into his own house 1; Player 2 has nothing
    // left: 9 seeds of Player 1 give two more groups, whatever the depth.
    const SeedArray seeds{1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    SearchContext ctx(6);
    EXPECT_EQ(ScoreMove(8, 0, 0, seeds, {3, 4}, ctx), 3 - 4 + 2);
    EXPECT_EQ(ctx.Nodes, 1u);
}

TEST(Search, stopFlagKeepsEveryNodeShallow)
{
    bool stop = true;
    SearchContext ctx(6);
    ctx.Stop = &stop;
    EXPECT_EQ(ScoreMove(8, 0, 0, opening, {0, 0}, ctx), 0);
    EXPECT_EQ(ctx.Nodes, 1u);
}

TEST(Search, pumpIsCalledAtEveryNode)
{
    SearchContext ctx(6);
    long calls = 0;
    ctx.Pump = [](void *data) { ++*static_cast<long *>(data); };
    ctx.PumpData = &calls;
    ScoreMove(4, 0, 0, opening, {0, 0}, ctx);
    EXPECT_EQ(std::uint64_t(calls), ctx.Nodes);
    EXPECT_GT(calls, 100);
}

TEST(Search, positionPassedInIsNotChanged)
{
    SeedArray seeds = afterHouseZero;
    StoreArray stores{1, 2};
    SearchContext ctx(6);
    ScoreMove(4, 1, 7, seeds, stores, ctx);
    EXPECT_EQ(seeds, afterHouseZero);
    EXPECT_EQ(stores, (StoreArray{1, 2}));
}

// The node counts of full-width searches: they change only when the search does.
TEST(Search, nodeCountsAreTheSearchsFingerprint)
{
    SearchContext ctx(6);
    for (int h = 0; h < 6; ++h)
        ScoreMove(6, 0, h, opening, {0, 0}, ctx);
    const std::uint64_t openingDepth6 = ctx.Nodes;
    EXPECT_EQ(openingDepth6, 17645u);
}

TEST(Random, firstValuesAreFixedByTheSeed)
{
    Random r(1);
    EXPECT_EQ(r.Next(), 0u);
    EXPECT_EQ(r.Next(), 119927u);
    EXPECT_EQ(r.Next(), 950081144u);
    EXPECT_EQ(r.Next(), 759785117u);
    EXPECT_EQ(r.Next(), 1840109577u);
    Random s(12345);
    EXPECT_EQ(s.Next(), 65u);
    EXPECT_EQ(s.Next(), 1480504946u);
    EXPECT_EQ(s.Next(), 2010627756u);
}

TEST(Random, valuesStayBelowTwoToTheThirtyOne)
{
    Random r(0xFFFFFFFFFFFFFFFFull);
    for (int i = 0; i < 10000; ++i)
        EXPECT_LE(r.Next(), 0x7FFFFFFFu);
}

TEST(Random, belowIsUniformEnoughForTieBreaks)
{
    Random r(42);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i)
        ++counts[r.Below(6)];
    for (int c : counts) {
        EXPECT_GT(c, 9000);
        EXPECT_LT(c, 11000);
    }
}

} // namespace

TEST(BenchSuite, depthEightFingerprint)
{
    const BenchResult r = RunBenchSuite(8);
    EXPECT_EQ(r.Nodes, 887455u);
    EXPECT_EQ(r.ScoreSum, -53);
}
