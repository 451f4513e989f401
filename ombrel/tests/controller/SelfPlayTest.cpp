// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "controller/SelfPlay.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

struct Pairing
{
    int level1, level2;
};

class ComputerAgainstComputer : public ::testing::TestWithParam<Pairing>
{
};

TEST_P(ComputerAgainstComputer, playsAWholeGame)
{
    const Pairing p = GetParam();
    const SelfPlayResult r = PlaySelfGame(p.level1, p.level2, 17);
    ASSERT_TRUE(r.Finished) << "rounds " << r.Rounds << " moves " << r.Moves;
    EXPECT_GE(r.Rounds, 1);
    EXPECT_GT(r.Moves, 0);
    EXPECT_EQ(r.FinalStores[0] + r.FinalStores[1], 12);
    EXPECT_EQ(r.FinalStores[1 - r.Winner], 0);
    if (p.level1 == 2 && p.level2 == 2) {
        EXPECT_EQ(r.Nodes, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(SelfPlay, ComputerAgainstComputer,
                         ::testing::Values(Pairing{2, 2}, Pairing{3, 2}, Pairing{2, 3},
                                           Pairing{4, 3}, Pairing{5, 2}, Pairing{6, 2}),
                         [](const auto &info) {
                             return "level" + std::to_string(info.param.level1) + "vs" +
                                    std::to_string(info.param.level2);
                         });

TEST(SelfPlay, sameSeedSameGame)
{
    const SelfPlayResult a = PlaySelfGame(3, 3, 5);
    const SelfPlayResult b = PlaySelfGame(3, 3, 5);
    EXPECT_EQ(a.Moves, b.Moves);
    EXPECT_EQ(a.Rounds, b.Rounds);
    EXPECT_EQ(a.Nodes, b.Nodes);
}

TEST(SelfPlay, limitsStopAnEndlessGame)
{
    SelfPlayLimits limits;
    limits.MaxMovesPerRound = 3;
    const SelfPlayResult r = PlaySelfGame(2, 2, 5, limits);
    EXPECT_FALSE(r.Finished);
    EXPECT_EQ(r.Winner, -1);
    EXPECT_LE(r.Moves, 4);
}

} // namespace
