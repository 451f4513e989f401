// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace ombrel;
using namespace ombrel::test;

namespace {

class ViewEvents : public ::testing::Test
{
protected:
    RecordingView view;
    GameController game{view, 12345};
};

// The chosen house blinks on the screen only: its seeds stay where they are.
TEST_F(ViewEvents, blinkLeavesTheBoardAlone)
{
    game.BoardClick(MouseButton::Left, 0);
    finishMove(game);
    ASSERT_TRUE(game.FlashTimerEnabled());
    view.forget();
    const TBoard before = game.Board();
    for (int i = 1; i <= 6; ++i) {
        game.FlashTimerTimer();
        EXPECT_EQ(game.Board().Seeds, before.Seeds) << "tick " << i;
    }
    EXPECT_EQ(view.blinks, (std::vector<bool>{true, false, true, false, true, false}));
}

TEST_F(ViewEvents, everyMoveIsReportedWithTheBoardItLeft)
{
    game.SetOpponent(OpponentHuman);
    game.BoardClick(MouseButton::Left, 0);
    finishMove(game);
    EXPECT_EQ(view.finishedMoves, std::vector<bool>{false});
    game.BoardClick(MouseButton::Left, 6);
    finishMove(game);
    EXPECT_EQ(view.finishedMoves, (std::vector<bool>{false, false}));
    EXPECT_TRUE(view.roundEnds.empty());
}

struct RoundEndCase
{
    StoreArray storesBefore;
    StoreArray storesAfter;
    std::vector<int> winners;
};

class RoundEnd : public ::testing::TestWithParam<RoundEndCase>
{
};

// Player 1's one seed falls into an empty house and Player 2 has none: the
// round ends and Player 1's nine seeds give him two groups.
TEST_P(RoundEnd, isReportedWithTheStoresAfterTheCredit)
{
    RecordingView view;
    view.answers = {MessageAnswer::No};
    GameController game(view, 1);
    game.SetOpponent(OpponentHuman);
    game.SetBoard(makeBoard({1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0}, GetParam().storesBefore));
    game.BoardClick(MouseButton::Left, 0);
    finishMove(game);
    EXPECT_EQ(view.finishedMoves, std::vector<bool>{false});
    EXPECT_EQ(view.roundEnds, std::vector<StoreArray>{GetParam().storesAfter});
    EXPECT_EQ(view.winners, GetParam().winners);
}

INSTANTIATE_TEST_SUITE_P(Stores, RoundEnd,
                         ::testing::Values(RoundEndCase{{3, 4}, {5, 4}, {}},
                                           RoundEndCase{{0, 0}, {2, 0}, {0}},
                                           RoundEndCase{{0, 5}, {2, 5}, {}}));

} // namespace
