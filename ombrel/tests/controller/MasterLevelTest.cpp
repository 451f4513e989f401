// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameController.h"
#include "HeadlessView.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

TEST(MasterLevel, isTheSeventhLevelAndNothingAbove)
{
    HeadlessView view;
    GameController game(view, 1);
    game.ComputerMasterExecute();
    EXPECT_EQ(game.Opponent(), OpponentMaster);
    game.SetOpponent(OpponentMaster + 1);
    EXPECT_EQ(game.Opponent(), OpponentMaster);
}

TEST(MasterLevel, playsAMoveThroughTheController)
{
    HeadlessView view;
    GameController game(view, 1);
    game.SetMasterSeconds(0.02);
    game.ComputerMasterExecute();
    game.Play1Click();
    EXPECT_TRUE(game.FlashTimerEnabled());
    RunTimers(game, 100000);
    EXPECT_EQ(game.Board().Mover, 1);
    EXPECT_EQ(SeedTotal(game.Board()), 48);
    EXPECT_GT(game.SearchNodes(), 0u);
}

} // namespace
