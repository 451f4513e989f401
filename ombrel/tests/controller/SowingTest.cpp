// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RecordingView.h"
#include "ai/Search.h"

#include <gtest/gtest.h>

using namespace ombrel;
using namespace ombrel::test;

namespace {

class Sowing : public ::testing::Test
{
protected:
    void play(const TBoard &board, int house, int opponent = OpponentHuman)
    {
        game.SetOpponent(opponent);
        game.SetBoard(board);
        view.forget();
        game.BoardClick(MouseButton::Left, house);
        ticks = finishMove(game);
    }

    RecordingView view;
    GameController game{view, 1};
    int ticks = 0;
};

TEST_F(Sowing, openingMoveFromHouseZeroRelaysFourTimes)
{
    game.BoardClick(MouseButton::Left, 0);
    EXPECT_TRUE(game.MoveTimerEnabled());
    EXPECT_EQ(game.Board().Seeds[0], 0); // lifted at once, before any tick
    EXPECT_EQ(game.Board().InHand, 4);
    const int n = finishMove(game);
    EXPECT_EQ(n, 31);
    EXPECT_EQ(game.Board().Seeds, (SeedArray{2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6}));
    EXPECT_EQ(game.Board().Taken, (StoreArray{0, 0}));
    EXPECT_EQ(game.Board().Mover, 1);
    EXPECT_FALSE(game.MoveTimerEnabled());
}

TEST_F(Sowing, eachTickRedrawsOnlyWhatChanged)
{
    game.SetOpponent(OpponentHuman);
    game.BoardClick(MouseButton::Left, 0);
    ASSERT_EQ(view.drawnHouses, std::vector<int>{0});
    view.forget();
    game.MoveTimerTimer();
    EXPECT_EQ(view.drawnHouses, std::vector<int>{1});
    EXPECT_TRUE(view.repaints.empty());
    view.forget();
    finishMove(game);
    EXPECT_EQ(view.drawnHouses.size(), 25u + 4u); // 25 more seeds, 4 relay lifts
}

TEST_F(Sowing, moveFromHouseElevenSowsIntoHouseZeroFirst)
{
    play(makeBoard({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}, {0, 0}, 6, 1), 11);
    EXPECT_EQ(game.Board().Seeds, (SeedArray{1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Sowing, twelveSeedsEndInTheEmptiedHouse)
{
    play(makeBoard({12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(game.Board().Seeds, (SeedArray{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(ticks, 12 + 1);
}

TEST_F(Sowing, thirteenSeedsPassTheirOwnHouseAndGoOn)
{
    play(makeBoard({13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 0);
    // The 12th seed refills house 0 and the 13th lands in house 1, which now
    // holds two: the sowing relays on round the board.
    EXPECT_EQ(game.Board().Seeds, (SeedArray{2, 1, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0}));
}

TEST_F(Sowing, groupMadeMidSowingGoesToTheHouseOwner)
{
    // Player 1 sows 2 from house 5: house 6 (Player 2's) goes 3 -> 4 with one
    // seed still in hand, so Player 2 gets the group; the last seed ends in 7.
    play(makeBoard({1, 0, 0, 0, 0, 2, 3, 0, 1, 0, 0, 0}), 5);
    EXPECT_EQ(game.Board().Taken, (StoreArray{0, 1}));
    EXPECT_EQ(game.Board().Seeds, (SeedArray{1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(SeedTotal(game.Board()), 4 * 1 + 3);
}

TEST_F(Sowing, groupMadeByTheLastSeedGoesToTheMoverAndEndsTheMove)
{
    // The last seed brings Player 2's house 6 from 3 to 4.
    play(makeBoard({1, 0, 0, 0, 0, 1, 3, 0, 1, 0, 0, 0}), 5);
    EXPECT_EQ(game.Board().Taken, (StoreArray{1, 0}));
    EXPECT_EQ(game.Board().Seeds[6], 0);
    EXPECT_EQ(game.Board().Mover, 1);
    EXPECT_EQ(view.drawnTaken, std::vector<int>{0});
    // lift is immediate; sow 1, capture 1, final 1
    EXPECT_EQ(ticks, 3);
}

TEST_F(Sowing, capturesForEitherOwnerInOneMove)
{
    // House 2 has 3 seeds and is Player 1's own house: the first seed makes
    // four while seeds remain, so the mover's own store gains the group.
    play(makeBoard({0, 2, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0}), 1);
    EXPECT_EQ(game.Board().Taken, (StoreArray{1, 0}));
    EXPECT_EQ(game.Board().Seeds, (SeedArray{0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0}));
}

TEST_F(Sowing, lastSeedIntoAFullHouseRelays)
{
    play(makeBoard({1, 4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}), 0);
    // House 1 becomes 5 and is lifted into houses 2..6; house 6 then holds 2
    // and is lifted into 7 and 8.
    EXPECT_EQ(game.Board().Seeds, (SeedArray{0, 0, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0}));
}

TEST_F(Sowing, lastSeedIntoAnEmptyHouseOfTheOpponentEndsTheMove)
{
    play(makeBoard({0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}), 5);
    EXPECT_EQ(game.Board().Seeds, (SeedArray{0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(game.Board().Taken, (StoreArray{0, 0}));
}

TEST_F(Sowing, statusNamesTheMoverWithAHumanOpponent)
{
    play(makeBoard({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0}, {0, 0}, 6, 1), 10);
    ASSERT_FALSE(view.statusTexts.empty());
    EXPECT_EQ(view.statusTexts.front(), "Player 2 is playing...");
    for (const auto &t : view.statusTexts)
        EXPECT_NE(t, "The computer is playing...");
}

TEST_F(Sowing, statusNamesTheComputerWhenItMoves)
{
    // Player 2 is the computer at Easy; after Player 1's move it replies.
    game.SetOpponent(OpponentEasy);
    game.BoardClick(MouseButton::Left, 0);
    finishMove(game);
    EXPECT_EQ(finishFlash(game), 7);
    view.forget();
    game.MoveTimerTimer();
    EXPECT_EQ(view.status(), "The computer is playing...");
    EXPECT_EQ(view.cursor, BoardCursor::Busy);
}

TEST_F(Sowing, endOfMoveBeepsAndRestoresTheHand)
{
    play(makeBoard({0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}), 1);
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(view.cursorRefreshes, 1);
    EXPECT_EQ(view.cursor, BoardCursor::Hand);
    EXPECT_EQ(view.status(), "Ready. Player 2 can play now.");
}

// A position that would sow for ever, Player 2 playing house 9: the move is
// cut after 500 seeds and the seeds in hand are laid into the house the
// sowing reached.
const TBoard Endless = makeBoard({1, 0, 2, 1, 0, 1, 0, 2, 1, 2, 0, 2}, {0, 0}, 6, 1);
const int EndlessHouse = 9;
const char *const EndlessText =
    "This sowing would never end, so it was stopped after 500 seeds. The seeds still in hand "
    "were laid into the house the sowing had reached.";

TEST_F(Sowing, endlessSowingAnimatedToTheCutKeepsEverySeed)
{
    const int total = SeedTotal(Endless);
    game.SetFinishEndlessAtOnce(false);
    game.SetOpponent(OpponentHuman);
    game.SetBoard(Endless);
    game.BoardClick(MouseButton::Left, EndlessHouse);
    EXPECT_TRUE(game.MoveIsEndless());
    int ticks = 0;
    while (game.MoveTimerEnabled() && ticks < 5000) {
        game.MoveTimerTimer();
        ++ticks;
        ASSERT_EQ(SeedTotal(game.Board()), total);
    }
    EXPECT_GT(ticks, MaxSownSeeds);
    EXPECT_FALSE(game.MoveTimerEnabled());
    EXPECT_TRUE(game.LastMoveCut());
    EXPECT_EQ(game.SownThisMove(), MaxSownSeeds);
    EXPECT_EQ(game.Board().InHand, 0);
    const MoveOutcome sim = SimulateMove(OwnerTableFor(6), 1, EndlessHouse, Endless.Seeds, {0, 0});
    EXPECT_TRUE(sim.Cut);
    EXPECT_EQ(game.Board().Taken, sim.Stores);
}

// The shortcut must leave exactly the board of the full animation: the same
// seeds, stores, mover, history and texts afterwards, only fewer ticks.
TEST_F(Sowing, endlessSowingFinishedAtOnceEndsLikeTheFullAnimation)
{
    RecordingView fullView;
    GameController full(fullView, 1);
    full.SetFinishEndlessAtOnce(false);
    for (GameController *g : {&game, &full}) {
        g->SetOpponent(OpponentHuman);
        g->SetBoard(Endless);
        g->BoardClick(MouseButton::Left, EndlessHouse);
    }
    view.forget();
    const int fullTicks = finishMove(full);
    int shortTicks = 0;
    while (game.MoveTimerEnabled() && shortTicks < 5000) {
        game.MoveTimerTimer();
        ++shortTicks;
        if (game.MoveTimerEnabled()) { // the animated part is ordinary sowing
            ASSERT_TRUE(view.repaints.empty());
        }
    }
    EXPECT_LT(shortTicks, 3 * EndlessSeedsShown);
    EXPECT_GT(fullTicks, MaxSownSeeds);
    EXPECT_EQ(game.Board().Seeds, full.Board().Seeds);
    EXPECT_EQ(game.Board().Taken, full.Board().Taken);
    EXPECT_EQ(game.Board().Mover, full.Board().Mover);
    EXPECT_EQ(game.Board().SowHouse, full.Board().SowHouse);
    EXPECT_EQ(game.SownThisMove(), full.SownThisMove());
    EXPECT_TRUE(game.LastMoveCut());
    EXPECT_EQ(game.History().Size(), full.History().Size());
    EXPECT_EQ(view.status(), fullView.status());
    // The skipped steps are drawn at once, as one whole board.
    EXPECT_EQ(view.repaints, std::vector<bool>{true});
    EXPECT_EQ(view.cursor, BoardCursor::Hand);
}

TEST_F(Sowing, endlessSowingTellsThePlayerWhyItStopped)
{
    play(Endless, EndlessHouse);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, EndlessText);
    EXPECT_EQ(view.messages[0].caption, "Ombrel");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(view.status(), "Ready. Player 1 can play now.");
    EXPECT_FALSE(game.IsBusy());
    // An ordinary move afterwards says nothing of the kind.
    play(makeBoard({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}), 0);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_FALSE(game.MoveIsEndless());
    EXPECT_FALSE(game.LastMoveCut());
}

TEST_F(Sowing, undoAfterAnEndlessSowingRestoresTheSetUpBoard)
{
    play(Endless, EndlessHouse);
    game.UndoActionExecute();
    EXPECT_EQ(game.Board().Seeds, Endless.Seeds);
    EXPECT_EQ(game.Board().Taken, Endless.Taken);
    EXPECT_EQ(game.Board().Mover, 1);
}

// The computer's moves start from the flash, not from a click: their endless
// sowings are finished at once too.
TEST_F(Sowing, endlessComputerMoveIsFinishedAtOnce)
{
    game.SetBoard(Endless);
    game.SetOpponent(OpponentEasy);
    // Easy picks at random: ask again until it picks house 9.
    for (int attempt = 0; attempt < 200; ++attempt) {
        game.SetBoard(Endless);
        game.Play1Click();
        ASSERT_TRUE(game.FlashTimerEnabled());
        if (game.ChosenHouse() == EndlessHouse)
            break;
        game.NewGameExecute();
    }
    ASSERT_EQ(game.ChosenHouse(), EndlessHouse);
    view.forget();
    finishFlash(game);
    EXPECT_TRUE(game.MoveIsEndless());
    EXPECT_LT(finishMove(game), 3 * EndlessSeedsShown);
    EXPECT_TRUE(game.LastMoveCut());
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0].text, EndlessText);
}

} // namespace
