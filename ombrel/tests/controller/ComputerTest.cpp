// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RecordingView.h"
#include "ai/Search.h"

#include <gtest/gtest.h>

using namespace ombrel;
using namespace ombrel::test;

namespace {

class Computer : public ::testing::Test
{
protected:
    void humanPlays(int house)
    {
        game.BoardClick(MouseButton::Left, house);
        finishMove(game);
    }

    RecordingView view;
    GameController game{view, 12345};
};

TEST_F(Computer, startsUpAsDifficultPlayingPlayerTwo)
{
    EXPECT_EQ(game.Opponent(), OpponentDifficult);
    EXPECT_EQ(game.ComputerSide(), 1);
    EXPECT_EQ(view.opponentMarks, std::vector<int>{OpponentDifficult});
    EXPECT_FALSE(game.SetupMode());
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_FALSE(game.StopEnabled());
    EXPECT_FALSE(game.IsBusy());
}

TEST_F(Computer, mediumRepliesToHouseZeroWithHouseSeven)
{
    game.SetOpponent(OpponentMedium);
    humanPlays(0);
    EXPECT_TRUE(game.FlashTimerEnabled());
    EXPECT_EQ(game.ChosenHouse(), 7);
    EXPECT_EQ(game.History().Size(), 2u);
    EXPECT_FALSE(game.StopEnabled());
}

TEST_F(Computer, difficultRepliesToHouseZeroWithHouseNine)
{
    humanPlays(0);
    EXPECT_EQ(game.ChosenHouse(), 9);
}

TEST_F(Computer, thinkingShowsTheStatusAndEnablesStop)
{
    bool stopSeen = false;
    view.onPump = [&] { stopSeen = stopSeen || game.StopEnabled(); };
    humanPlays(0);
    EXPECT_TRUE(stopSeen);
    EXPECT_NE(
        std::find(view.statusTexts.begin(), view.statusTexts.end(), "The computer is thinking..."),
        view.statusTexts.end());
    EXPECT_EQ(view.cursor, BoardCursor::Busy);
}

TEST_F(Computer, flashesSevenTimesThenSows)
{
    humanPlays(0);
    view.forget();
    for (int i = 1; i <= 6; ++i) {
        game.FlashTimerTimer();
        EXPECT_TRUE(game.FlashTimerEnabled());
    }
    EXPECT_EQ(view.drawnHouses, std::vector<int>(6, 9));
    game.FlashTimerTimer();
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_TRUE(game.MoveTimerEnabled());
    EXPECT_EQ(game.Board().Seeds[9], 0); // lifted in the seventh tick
    finishMove(game);
    EXPECT_EQ(game.Board().Mover, 0);
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
}

TEST_F(Computer, playFromTheOpeningAtDifficultChoosesHouseZero)
{
    game.Play1Click();
    EXPECT_EQ(game.ComputerSide(), 0);
    EXPECT_EQ(game.ChosenHouse(), 0);
}

TEST_F(Computer, playWithAHumanOpponentSwitchesToDifficult)
{
    game.SetOpponent(OpponentHuman);
    game.SetupItemClick();
    game.Play1Click();
    EXPECT_EQ(game.Opponent(), OpponentDifficult);
    EXPECT_FALSE(game.SetupMode());
    EXPECT_TRUE(game.FlashTimerEnabled());
}

TEST_F(Computer, easyNeverSearches)
{
    game.SetOpponent(OpponentEasy);
    for (int i = 0; i < 20; ++i) {
        game.NewGameExecute();
        humanPlays(i % 6);
        ASSERT_TRUE(game.FlashTimerEnabled());
        EXPECT_TRUE(CanPlay(game.Board(), 1, game.ChosenHouse()));
    }
    EXPECT_EQ(game.SearchNodes(), 0u);
}

TEST_F(Computer, stopDuringASearchStillPlaysAMove)
{
    game.SetOpponent(OpponentExtremelyDifficult);
    view.onPump = [&] {
        if (view.pumps == 10)
            game.StopActionExecute();
    };
    humanPlays(0);
    EXPECT_TRUE(game.StopRequested());
    EXPECT_FALSE(game.StopEnabled());
    ASSERT_TRUE(game.FlashTimerEnabled());
    EXPECT_TRUE(CanPlay(game.Board(), 1, game.ChosenHouse()));
    EXPECT_LT(game.SearchNodes(), 1000u); // far from a full depth-8 search
    finishFlash(game);
    finishMove(game);
    EXPECT_EQ(game.Board().Mover, 0);
}

TEST_F(Computer, stopIsIgnoredWhenNothingIsSearched)
{
    game.StopActionExecute();
    EXPECT_FALSE(game.StopRequested());
}

TEST_F(Computer, newGameDuringASearchAbandonsIt)
{
    view.onPump = [&] {
        if (view.pumps == 5)
            game.NewGameExecute();
    };
    humanPlays(0);
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_FALSE(game.MoveTimerEnabled());
    EXPECT_FALSE(game.StopEnabled());
    EXPECT_FALSE(game.IsBusy());
    EXPECT_TRUE(game.History().Empty());
    EXPECT_EQ(game.Board().Seeds, (SeedArray{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(game.Board().Mover, 0);
    EXPECT_EQ(view.cursor, BoardCursor::Hand);
    // Nothing of the search is left on the status line either.
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
    // The abandoned search cost only a handful of nodes after New.
    EXPECT_LT(game.SearchNodes(), 100u);
    // The new game plays normally.
    humanPlays(0);
    EXPECT_TRUE(game.FlashTimerEnabled());
}

TEST_F(Computer, commandsDuringASearchAreRefusedOrHarmless)
{
    int refusals = 0;
    view.onPump = [&] {
        if (view.pumps != 3)
            return;
        const auto before = view.messages.size();
        game.UndoActionExecute();
        game.Play1Click();
        game.Hint1Click();
        game.Turn1Click();
        game.BoardClick(MouseButton::Left, 0);
        refusals = int(view.messages.size() - before);
        game.ComputerExtremelyDifficultExecute();
        game.SetupItemClick();
        game.SetupItemClick();
    };
    humanPlays(0);
    EXPECT_EQ(refusals, 5);
    ASSERT_EQ(view.messages.size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(view.messages[i].text, "Please wait until the current move or hint is over.");
    EXPECT_EQ(view.messages[4].text, "The other player is still playing. Please wait.");
    for (const auto &m : view.messages) {
        EXPECT_EQ(m.caption, "Error");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
    }
    EXPECT_EQ(game.Opponent(), OpponentExtremelyDifficult);
    EXPECT_EQ(game.ChosenHouse(), 9); // searched at the depth it started with
    EXPECT_EQ(game.History().Size(), 2u);
}

// After Play gave the computer Player 1's side, New keeps that side and does
// not start the computer; the status line says whose turn it is.
TEST_F(Computer, newGameDuringAPlaySearchKeepsTheSideAndStartsNothing)
{
    game.SetOpponent(OpponentMedium);
    view.onPump = [&] {
        if (view.pumps == 2)
            game.NewGameExecute();
    };
    game.Play1Click();
    view.onPump = nullptr;
    EXPECT_EQ(game.ComputerSide(), 0);
    EXPECT_EQ(game.Opponent(), OpponentMedium);
    EXPECT_FALSE(game.IsBusy());
    EXPECT_FALSE(view.stopEnabled);
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(view.cursor, BoardCursor::Hand);
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
}

// A hint's search does not enable Stop, but New abandons it all the same.
TEST_F(Computer, newGameDuringAHintSearchEndsTheHint)
{
    view.onPump = [&] {
        if (view.pumps == 2)
            game.NewGameExecute();
    };
    game.SetOpponent(OpponentHuman);
    game.Hint1Click();
    view.onPump = nullptr;
    EXPECT_FALSE(game.HintMode());
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_EQ(game.Opponent(), OpponentHuman);
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
}

TEST_F(Computer, abandonSearchDropsTheResult)
{
    view.onPump = [&] { game.AbandonSearch(); };
    humanPlays(0);
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_FALSE(game.IsSearching());
}

TEST_F(Computer, hintWithAHumanOpponentFlashesOnceAndChangesNothing)
{
    game.SetOpponent(OpponentHuman);
    humanPlays(0); // Player 2 to move
    const TBoard before = game.Board();
    view.opponentMarks.clear();
    game.Hint1Click();
    EXPECT_TRUE(game.HintMode());
    EXPECT_TRUE(game.FlashTimerEnabled());
    EXPECT_EQ(game.Opponent(), OpponentHuman);
    EXPECT_EQ(view.opponentMarks, (std::vector<int>{OpponentExtremelyDifficult, OpponentHuman}));
    EXPECT_EQ(game.ComputerSide(), 1);
    EXPECT_EQ(game.History().Size(), 1u);
    view.forget();
    EXPECT_EQ(finishFlash(game), 2);
    EXPECT_FALSE(game.HintMode());
    EXPECT_FALSE(game.MoveTimerEnabled());
    EXPECT_EQ(view.drawnHouses.size(), 2u);
    EXPECT_EQ(game.Board().Seeds, before.Seeds);
    // Depth 8 from this position: the best reply of Player 2.
    SearchContext ctx(6);
    const Candidates c = CollectCandidates(8, 1, before, ctx);
    EXPECT_EQ(c.Scores[game.ChosenHouse()], c.Best);
}

TEST_F(Computer, hintForTheComputerSideUsesTheCurrentLevel)
{
    game.SetOpponent(OpponentMedium);
    game.Hint1Click(); // Player 1 to move, Medium: all six houses score -1
    EXPECT_TRUE(game.HintMode());
    EXPECT_EQ(game.ComputerSide(), 1);
    EXPECT_TRUE(CanPlay(game.Board(), 0, game.ChosenHouse()));
    EXPECT_FALSE(game.StopEnabled());
    EXPECT_TRUE(game.History().Empty());
}

TEST_F(Computer, hintAfterAStoppedMoveSearchesFullDepth)
{
    game.SetOpponent(OpponentDifficult);
    view.onPump = [&] { game.StopActionExecute(); };
    humanPlays(0);
    ASSERT_TRUE(game.StopRequested());
    finishFlash(game);
    finishMove(game);
    view.onPump = nullptr;
    const std::uint64_t before = game.SearchNodes();
    game.Hint1Click();
    SearchContext ctx(6);
    CollectCandidates(4, game.Board().Mover, game.Board(), ctx);
    EXPECT_EQ(game.SearchNodes() - before, ctx.Nodes);
}

TEST_F(Computer, hintWithoutSeedsAsksAndEndsHintMode)
{
    game.SetOpponent(OpponentHuman);
    game.SetBoard(makeBoard({0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    view.answers = {MessageAnswer::No};
    game.Hint1Click();
    EXPECT_EQ(view.lastMessage(), "The computer can not play. Continue?");
    EXPECT_FALSE(game.HintMode());
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_EQ(game.Board().Seeds[6], 1); // No leaves everything unchanged
    // The next computer move is a real one.
    game.SetBoard(makeBoard({0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0}));
    game.Play1Click();
    EXPECT_TRUE(game.FlashTimerEnabled());
    EXPECT_EQ(game.History().Size(), 1u);
    EXPECT_EQ(finishFlash(game), 7);
}

TEST_F(Computer, noBestStartEndsTheMoveCleanly)
{
    // Stores no play can make up, and the only move ends the round: its
    // score lies below the search's floor, so no house is rated at all.
    game.SetBoard(makeBoard({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 30}));
    game.Play1Click();
    ASSERT_EQ(view.lastMessage(), "No best start found somehow");
    EXPECT_EQ(view.messages.back().caption, "Error");
    EXPECT_EQ(view.messages.back().icon, MessageIcon::Warning);
    EXPECT_FALSE(game.FlashTimerEnabled());
    EXPECT_FALSE(game.StopEnabled());
    EXPECT_TRUE(game.History().Empty());
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_EQ(view.cursor, BoardCursor::Hand);
    EXPECT_FALSE(game.IsBusy());
}

TEST_F(Computer, turnAtTheStartGivesTheMoveToPlayerTwo)
{
    game.Turn1Click();
    EXPECT_EQ(game.Board().Mover, 1);
    EXPECT_EQ(game.ComputerSide(), 0);
    EXPECT_FALSE(game.FlashTimerEnabled());
    game.BoardClick(MouseButton::Left, 0);
    EXPECT_EQ(view.lastMessage(), "You don't own this house!");
    humanPlays(6);
    EXPECT_TRUE(game.FlashTimerEnabled()); // now the computer replies as Player 1
}

TEST_F(Computer, canNotPlayYesStartsTheNextRound)
{
    game.SetBoard(makeBoard({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {5, 7}, 6, 1));
    view.answers = {MessageAnswer::Yes};
    game.Play1Click();
    EXPECT_EQ(game.Board().Player1Houses, 5);
    EXPECT_EQ(game.Board().Seeds[0], 4);
    EXPECT_FALSE(view.repaints.back());
    EXPECT_FALSE(game.FlashTimerEnabled());
}

} // namespace
