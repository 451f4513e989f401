// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "tables/Sowing.h"
#include "GameController.h"
#include "HeadlessView.h"
#include "Random.h"
#include "Search.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

// Keeps the board as the move's last step leaves it, before the end of a
// round would count and clear it.
class AfterMoveView : public HeadlessView
{
public:
    void SetMoveTimer(bool enabled) override
    {
        HeadlessView::SetMoveTimer(enabled);
        if (!enabled && game && !captured) {
            board = game->Board();
            captured = true;
        }
    }
    const GameController *game = nullptr;
    TBoard board{};
    bool captured = false;
};

// The move as the game animates it, tick by tick.
TBoard animatedMove(const TBoard &start, int house, bool &cut)
{
    AfterMoveView view;
    GameController game(view, 1);
    game.SetOpponent(OpponentHuman);
    game.SetFinishEndlessAtOnce(false);
    game.SetBoard(start);
    view.game = &game;
    game.BoardClick(MouseButton::Left, house);
    while (game.MoveTimerEnabled())
        game.MoveTimerTimer();
    cut = game.LastMoveCut();
    return view.board;
}

TBoard randomBoard(Random &rng, int maxSeeds)
{
    TBoard b;
    InitBoard(b);
    b.Player1Houses = rng.Below(HouseCount + 1);
    b.Mover = std::uint8_t(rng.Below(2));
    for (auto &s : b.Seeds)
        s = rng.Below(maxSeeds + 1);
    b.Taken = {rng.Below(5), rng.Below(5)};
    return b;
}

// The fast sowing of the tables and the Master level against the animated
// move and the search's simulation, over random positions of every kind.
TEST(Sowing, agreesWithTheAnimatedMoveAndTheSearch)
{
    Random rng(27);
    int compared = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const TBoard b = randomBoard(rng, trial % 3 == 0 ? 12 : 4);
        const unsigned mine = HousesOf(b.Player1Houses, b.Mover);
        for (int h = 0; h < HouseCount; ++h) {
            if (!CanPlay(b, b.Mover, h))
                continue;
            SeedArray seeds = b.Seeds;
            const SowingResult fast = Sow(seeds, h, mine);
            bool cut = false;
            const TBoard animated = animatedMove(b, h, cut);
            ASSERT_EQ(seeds, animated.Seeds) << "trial " << trial << " house " << h;
            EXPECT_EQ(b.Taken[b.Mover] + fast.MoverGroups, animated.Taken[b.Mover]);
            EXPECT_EQ(b.Taken[1 - b.Mover] + fast.OtherGroups, animated.Taken[1 - b.Mover]);
            EXPECT_EQ(fast.Cut, cut);
            const MoveOutcome searched =
                SimulateMove(OwnerTableFor(b.Player1Houses), b.Mover, h, b.Seeds, b.Taken);
            EXPECT_EQ(fast.Cut, searched.Cut);
            if (!searched.Cut) {
                EXPECT_EQ(seeds, searched.Seeds);
                EXPECT_EQ(animated.Taken, searched.Stores);
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 10000);
}

// A sowing that never ends is cut as the game cuts it: the seeds in hand are
// laid into the next house and none is lost.
TEST(Sowing, cutsAnEndlessSowingAsTheGameDoes)
{
    TBoard b;
    InitBoard(b);
    b.Seeds = {1, 0, 2, 1, 0, 1, 0, 2, 1, 2, 0, 2};
    b.Mover = 1;
    SeedArray seeds = b.Seeds;
    const SowingResult fast = Sow(seeds, 9, HousesOf(6, 1));
    bool cut = false;
    const TBoard animated = animatedMove(b, 9, cut);
    ASSERT_TRUE(cut);
    EXPECT_TRUE(fast.Cut);
    EXPECT_EQ(seeds, animated.Seeds);
    EXPECT_EQ(fast.MoverGroups, animated.Taken[1]);
    EXPECT_EQ(fast.OtherGroups, animated.Taken[0]);
    int total = 4 * (fast.MoverGroups + fast.OtherGroups);
    for (const int s : seeds)
        total += s;
    EXPECT_EQ(total, 12);
}

struct SowingCase
{
    const char *name;
    SeedArray seeds;
    int house;
    unsigned moverHouses;
    SeedArray after;
    int moverGroups;
    int otherGroups;
};

class SowingCases : public ::testing::TestWithParam<SowingCase>
{
};

TEST_P(SowingCases, endAsTheRulesSay)
{
    const SowingCase &c = GetParam();
    SeedArray s = c.seeds;
    const SowingResult r = Sow(s, c.house, c.moverHouses);
    EXPECT_EQ(s, c.after);
    EXPECT_EQ(r.MoverGroups, c.moverGroups);
    EXPECT_EQ(r.OtherGroups, c.otherGroups);
    EXPECT_FALSE(r.Cut);
}

INSTANTIATE_TEST_SUITE_P(Rules, SowingCases,
                         ::testing::Values(SowingCase{"openingHouseZeroRelaysFourTimes",
                                                      {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4},
                                                      0,
                                                      0x3Fu,
                                                      {2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6},
                                                      0,
                                                      0},
                                           SowingCase{"lastSeedIntoAnEmptyHouseEnds",
                                                      {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                                      1,
                                                      0x3Fu,
                                                      {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                                      0,
                                                      0},
                                           SowingCase{"lastSeedMakingFourGoesToTheMover",
                                                      {0, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0},
                                                      5,
                                                      0x3Fu,
                                                      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                                      1,
                                                      0},
                                           SowingCase{"fourMidSowingGoesToTheHousesOwner",
                                                      {0, 0, 0, 0, 0, 2, 3, 0, 0, 0, 0, 0},
                                                      5,
                                                      0x3Fu,
                                                      {0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0},
                                                      0,
                                                      1},
                                           SowingCase{"twelveSeedsEndInTheEmptiedHouse",
                                                      {0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                                      2,
                                                      0x3Fu,
                                                      {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                                                      0,
                                                      0}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
