// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "rules/Sowing.h"

#include <gtest/gtest.h>

#include <random>

using namespace ombrel;

namespace {

struct SteppedMove
{
    TBoard Board;
    bool Cut = false;
    int Steps = 0;
};

// Sows a move step by step, as the game's animation does.
SteppedMove stepThrough(TBoard board, int house)
{
    SteppedMove out;
    SowingState state;
    for (int h = house;; h = NextSowHouse(board)) {
        const SowReport step = SowStep(board, state, h);
        ++out.Steps;
        if (step.Action == SowAction::Ended || step.Action == SowAction::Cut) {
            out.Cut = step.Action == SowAction::Cut;
            break;
        }
    }
    out.Board = board;
    return out;
}

// The search's one-loop move must end where the steps end: the same stores,
// the same houses (a cut move keeps its last hand off the board, the steps lay
// it into one house) and the same cut. Returns whether the move was cut.
bool expectLoopMatchesSteps(TBoard board, int h)
{
    board.Mover = std::uint8_t(OwnerOf(board, h));
    const SteppedMove stepped = stepThrough(board, h);
    SeedArray seeds = board.Seeds;
    StoreArray stores = board.Taken;
    const bool cut =
        PlayWholeMove(OwnerTableFor(board.Player1Houses), board.Mover, h, seeds, stores);
    EXPECT_EQ(cut, stepped.Cut);
    EXPECT_EQ(stores, stepped.Board.Taken);
    EXPECT_EQ(stepped.Board.InHand, 0);
    if (!cut && !stepped.Cut) {
        EXPECT_EQ(seeds, stepped.Board.Seeds);
    }
    EXPECT_EQ(SeedTotal(stepped.Board), SeedTotal(board));
    return cut;
}

TEST(Sowing, wholeMoveLoopEndsWhereTheStepsEnd)
{
    std::mt19937 random(2026);
    int captures = 0;
    for (int i = 0; i < 4000; ++i) {
        TBoard board;
        board.Player1Houses = int(random() % 13);
        int left = 48;
        for (int h = 0; h < HouseCount && left > 0; ++h) {
            board.Seeds[h] = int(random() % (std::min(left, 9) + 1));
            left -= board.Seeds[h];
        }
        for (int h = 0; h < HouseCount; ++h) {
            if (board.Seeds[h] == 0)
                continue;
            SCOPED_TRACE(testing::Message() << "position " << i << ", house " << h);
            expectLoopMatchesSteps(board, h);
            SeedArray seeds = board.Seeds;
            StoreArray stores{};
            PlayWholeMove(OwnerTableFor(board.Player1Houses), OwnerOf(board, h), h, seeds, stores);
            captures += stores[0] + stores[1];
        }
    }
    EXPECT_GT(captures, 1000);
}

TEST(Sowing, wholeMoveLoopIsCutWhereTheStepsAreCut)
{
    TBoard board;
    board.Player1Houses = 6;
    board.Seeds = {1, 0, 2, 1, 0, 1, 0, 2, 1, 2, 0, 2}; // house 9 sows for ever
    EXPECT_TRUE(expectLoopMatchesSteps(board, 9));
}

TEST(Sowing, stepsReportWhatTheyDid)
{
    TBoard board;
    InitBoard(board); // Player 1 to move, four seeds everywhere
    board.Mover = 0;
    SowingState state;
    SowReport step = SowStep(board, state, 0);
    EXPECT_EQ(step.Action, SowAction::Lifted);
    EXPECT_EQ(board.InHand, 4);
    step = SowStep(board, state, NextSowHouse(board));
    EXPECT_EQ(step.Action, SowAction::Sowed);
    EXPECT_EQ(step.House, 1);
    EXPECT_EQ(board.Seeds[1], 5);
    EXPECT_EQ(state.Sown, 1);
}

TEST(Sowing, lastSeedMakingFourIsCapturedByTheMover)
{
    TBoard board;
    board.Player1Houses = 6;
    // The mover's one seed from house 5 makes four in house 6.
    board.Seeds = {1, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0};
    board.Mover = 1;
    SowingState state;
    SowStep(board, state, 5);
    SowStep(board, state, NextSowHouse(board));
    const SowReport step = SowStep(board, state, NextSowHouse(board));
    EXPECT_EQ(step.Action, SowAction::Captured);
    EXPECT_EQ(step.Taker, 1);
    EXPECT_EQ(board.Taken[1], 1);
    EXPECT_EQ(SowStep(board, state, NextSowHouse(board)).Action, SowAction::Ended);
}

TEST(Sowing, endOfRoundCreditsTheOtherPlayersGroups)
{
    TBoard board;
    board.Player1Houses = 6;
    board.Seeds = {1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    board.Taken = {3, 4};
    board.Mover = 1;
    ASSERT_TRUE(RoundIsOver(board));
    EXPECT_EQ(EndRound(board), 0);
    EXPECT_EQ(board.Taken, (StoreArray{5, 4}));
    EXPECT_EQ(SeedTotal(board), 36);
    EXPECT_FALSE(GameIsOver(board));
    board.Taken[1] = 0;
    EXPECT_TRUE(GameIsOver(board));
}

} // namespace
