// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace ombrel;
using namespace ombrel::test;

namespace {

class Rounds : public ::testing::Test
{
protected:
    void SetUp() override { game.SetOpponent(OpponentHuman); }

    void playMove(const TBoard &board, int house)
    {
        game.SetBoard(board);
        view.forget();
        game.BoardClick(MouseButton::Left, house);
        finishMove(game);
    }

    RecordingView view;
    GameController game{view, 7};
};

TEST_F(Rounds, roundEndCountsTheMoversSeedsAndSplitsTheHouses)
{
    // Player 1 owns houses 0..5 and 11; Player 2's houses 6..10 are empty.
    TBoard b = makeBoard({4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 1}, {3, 4}, 7);
    view.answers = {MessageAnswer::Yes};
    playMove(b, 11);
    // House 0 went from 4 to 5 and relayed into 1..5 -> 5,5,5,5,1: the last
    // seed fell into the empty house 5, so the move ended. Player 2 has no seed.
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Game over. Continue?");
    EXPECT_EQ(view.messages[0].caption, "Ombrel");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Question);
    // 21 seeds -> 5 groups: 3 + 5 = 8 houses for Player 1.
    const TBoard &a = game.Board();
    EXPECT_EQ(a.Player1Houses, 8);
    for (int h : {0, 1, 2, 3, 4, 5, 10, 11})
        EXPECT_EQ(OwnerOf(a, h), 0) << h;
    for (int h : {6, 7, 8, 9})
        EXPECT_EQ(OwnerOf(a, h), 1) << h;
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(a.Seeds[h], 4);
    EXPECT_EQ(a.Taken, (StoreArray{0, 0}));
    EXPECT_EQ(a.Mover, 1); // Player 1 opened the last round
    EXPECT_EQ(view.status(), "Ready. Player 2 can play now.");
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_TRUE(game.History().Empty());
}

TEST_F(Rounds, noToContinueLeavesTheFinishedRoundOnTheBoard)
{
    TBoard b = makeBoard({4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 1}, {3, 4}, 7);
    view.answers = {MessageAnswer::No};
    playMove(b, 11);
    const TBoard &a = game.Board();
    EXPECT_EQ(a.Taken, (StoreArray{8, 4}));
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(a.Seeds[h], 0);
    EXPECT_EQ(view.status(), "Game over");
    EXPECT_EQ(a.Mover, 1); // the player without seeds stays to move
    EXPECT_TRUE(game.UndoEnabled());

    // Undo goes back before the round's last move, stores as before the count.
    game.UndoActionExecute();
    EXPECT_EQ(game.Board().Seeds, b.Seeds);
    EXPECT_EQ(game.Board().Taken, (StoreArray{3, 4}));
    EXPECT_EQ(game.Board().Mover, 0);
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
}

TEST_F(Rounds, noThenYesThroughTheComputersQuestion)
{
    TBoard b = makeBoard({4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 1}, {3, 4}, 7);
    view.answers = {MessageAnswer::No};
    playMove(b, 11);
    // Player 2 (the side to move) has no seeds: Play asks the computer's
    // question, and Yes starts the same next round.
    view.answers = {MessageAnswer::Yes};
    game.Play1Click();
    EXPECT_EQ(view.lastMessage(), "The computer can not play. Continue?");
    EXPECT_EQ(view.messages.back().icon, MessageIcon::None);
    EXPECT_EQ(game.Board().Player1Houses, 8);
    EXPECT_EQ(game.Board().Seeds[0], 4);
    EXPECT_TRUE(game.History().Empty());
    EXPECT_FALSE(game.FlashTimerEnabled());
}

TEST_F(Rounds, playerOneWinsAllTheHouses)
{
    // Player 1 takes Player 2's last seed into a group: stores 12 and 0.
    TBoard b = makeBoard({0, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0}, {11, 0});
    playMove(b, 5);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0].text, "Game over. Player 1 wins all the houses.");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(view.status(), "Game over.");
    EXPECT_EQ(game.Board().Player1Houses, 12);
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(game.Board().Seeds[h], 4);
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_FALSE(game.FlashTimerEnabled()); // nothing further is started
}

TEST_F(Rounds, playerTwoWinsAllTheHouses)
{
    TBoard b = makeBoard({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {0, 11}, 6, 1);
    playMove(b, 11);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0].text, "Game over. Player 2 wins all the houses.");
    EXPECT_EQ(game.Board().Player1Houses, 0);
}

TEST_F(Rounds, emptyingYourOwnHousesDoesNotEndTheRound)
{
    // Player 1 plays his only seed into Player 2's empty house 6.
    TBoard b = makeBoard({0, 0, 0, 0, 0, 1, 0, 2, 0, 0, 0, 0});
    playMove(b, 5);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.status(), "Ready. Player 2 can play now.");
    // Player 2 moves house 7 into 8, 9: Player 1 still has none: round over,
    // Player 2's seeds are counted (3 -> 0 groups, remainder dropped). With
    // both stores empty Player 2 gets every house, and the text says so.
    view.answers = {MessageAnswer::No};
    game.BoardClick(MouseButton::Left, 7);
    finishMove(game);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0].text, "Game over. Player 2 wins all the houses.");
}

TEST_F(Rounds, computerOpensTheNewRoundAtOnce)
{
    game.SetOpponent(OpponentMedium);
    TBoard b = makeBoard({4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 1}, {3, 4}, 7);
    view.answers = {MessageAnswer::Yes};
    playMove(b, 11);
    EXPECT_EQ(game.Board().Mover, 1);
    EXPECT_TRUE(game.FlashTimerEnabled()); // the computer chose its opening
    EXPECT_EQ(game.History().Size(), 1u);  // its own snapshot
}

TEST_F(Rounds, humanOpponentNeverStartsTheComputer)
{
    // Player 2 is to move next and ComputerSide is 1, but nobody plays it.
    TBoard b = makeBoard({0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0});
    playMove(b, 1);
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_EQ(game.History().Size(), 1u);
}

} // namespace
