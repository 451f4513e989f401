// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace ombrel;
using namespace ombrel::test;

namespace {

class Undo : public ::testing::Test
{
protected:
    void click(int house)
    {
        if (house < 0) { // the first playable house of the side to move
            for (house = 0; !CanPlay(game.Board(), game.Board().Mover, house); ++house) {
            }
        }
        game.BoardClick(MouseButton::Left, house);
        finishMove(game);
    }

    RecordingView view;
    GameController game{view, 3};
};

TEST_F(Undo, emptyHistoryDoesNothing)
{
    EXPECT_FALSE(game.UndoEnabled());
    view.forget();
    game.UndoActionExecute();
    EXPECT_TRUE(view.statusTexts.empty());
    EXPECT_EQ(game.Board().Mover, 0);
}

TEST_F(Undo, threeHumanMovesUndoneRestoreTheStart)
{
    game.SetOpponent(OpponentHuman);
    const TBoard start = game.Board();
    click(0);
    click(-1);
    click(-1);
    EXPECT_EQ(game.History().Size(), 3u);
    for (int i = 0; i < 3; ++i)
        game.UndoActionExecute();
    EXPECT_EQ(game.Board().Seeds, start.Seeds);
    EXPECT_EQ(game.Board().Taken, start.Taken);
    EXPECT_EQ(game.Board().Mover, start.Mover);
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_FALSE(view.repaints.back()); // deferred full repaint
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
}

TEST_F(Undo, restoresTheStoresOfACapture)
{
    game.SetOpponent(OpponentHuman);
    game.SetBoard(makeBoard({1, 0, 0, 0, 0, 1, 3, 0, 1, 0, 0, 0}));
    click(5);
    ASSERT_EQ(game.Board().Taken, (StoreArray{1, 0}));
    game.UndoActionExecute();
    EXPECT_EQ(game.Board().Taken, (StoreArray{0, 0}));
    EXPECT_EQ(game.Board().Seeds[6], 3);
}

TEST_F(Undo, afterAComputerReplyTwoUndosGoBackToTheHumansMove)
{
    game.SetOpponent(OpponentMedium);
    const TBoard start = game.Board();
    click(0);
    finishFlash(game);
    finishMove(game);
    EXPECT_EQ(game.History().Size(), 2u);
    game.UndoActionExecute();
    EXPECT_EQ(game.Board().Mover, 1); // the computer's side, which does not move by itself
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_TRUE(game.UndoEnabled());
    game.UndoActionExecute();
    EXPECT_EQ(game.Board().Seeds, start.Seeds);
    EXPECT_EQ(game.Board().Mover, 0);
    EXPECT_FALSE(game.UndoEnabled());
}

TEST_F(Undo, isRefusedWhileAMoveIsSown)
{
    game.SetOpponent(OpponentHuman);
    game.BoardClick(MouseButton::Left, 0);
    const TBoard during = game.Board();
    game.UndoActionExecute();
    // The move being sown is the player's own: the text names no one.
    EXPECT_EQ(view.lastMessage(), "Please wait until the current move or hint is over.");
    EXPECT_EQ(view.messages.back().caption, "Error");
    EXPECT_EQ(view.messages.back().icon, MessageIcon::Warning);
    EXPECT_EQ(game.Board().Seeds, during.Seeds);
    EXPECT_EQ(game.History().Size(), 1u);
    EXPECT_EQ(finishMove(game), 31);
}

TEST_F(Undo, newGameClearsTheHistory)
{
    game.SetOpponent(OpponentHuman);
    click(0);
    game.NewGameExecute();
    EXPECT_TRUE(game.History().Empty());
    EXPECT_FALSE(game.UndoEnabled());
}

// After a two-human game's move the line named Player 2; New gives the move
// to Player 1 and says so, from idle and in the middle of a sowing alike.
TEST_F(Undo, newGameNamesPlayerOneOnTheStatusLine)
{
    game.SetOpponent(OpponentHuman);
    click(0);
    ASSERT_EQ(view.status(), "Ready. Player 2 can play now.");
    game.NewGameExecute();
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
    click(-1);
    click(-1);
    game.BoardClick(MouseButton::Left, 1);
    game.MoveTimerTimer();
    ASSERT_EQ(view.status(), "Player 1 is playing...");
    game.NewGameExecute();
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
    EXPECT_EQ(game.Board().Mover, 0);
}

} // namespace
