// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameReplay.h"

#include "RecordedGame.h"

#include <gtest/gtest.h>

namespace ombrel::test {
namespace {

void ExpectSamePosition(const TBoard &a, const TBoard &b)
{
    EXPECT_EQ(a.Seeds, b.Seeds);
    EXPECT_EQ(a.Taken, b.Taken);
    EXPECT_EQ(a.Player1Houses, b.Player1Houses);
    EXPECT_EQ(a.Mover, b.Mover);
    EXPECT_EQ(a.RoundStarter, b.RoundStarter);
    EXPECT_EQ(a.InHand, b.InHand);
}

TEST(GameReplay, replayedPositionsAreThePositionsOfThePlayedGame)
{
    const RecordedGame game = PlayRecordedGame(SetUpBoard(), 300);
    ASSERT_GT(game.Record.MoveCount(), 30u);
    const GameReplay replay = GameReplay::Run(game.Record);
    ASSERT_TRUE(replay.Ok()) << replay.Failure().English();
    ASSERT_EQ(replay.Steps().size(), game.Before.size());
    for (std::size_t i = 0; i < game.Before.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSamePosition(replay.Steps()[i].Before, game.Before[i]);
    }
    ExpectSamePosition(replay.Final(), game.Final);
    ExpectSamePosition(replay.After(game.Before.size() - 1), game.Final);
    ExpectSamePosition(replay.After(0), game.Before[1]);
    EXPECT_GT(replay.Rounds(), 1);
}

// Player 1 sows his only seed; Player 2 has none: the round is over.
GameRecord OneMoveRound(StoreArray stores)
{
    GameRecord record;
    record.Date = "2026-12-09T10:03:02Z";
    StartPosition start;
    start.Seeds[0] = 1;
    start.Stores = stores;
    record.Start = start;
    record.AddMove(0, 0);
    return record;
}

TEST(GameReplay, aRoundNotContinuedLeavesTheEmptyBoard)
{
    const GameReplay replay = GameReplay::Run(OneMoveRound({3, 4}));
    ASSERT_TRUE(replay.Ok());
    EXPECT_TRUE(replay.RoundOver());
    EXPECT_TRUE(replay.Steps().back().EndsRound);
    EXPECT_EQ(replay.Final().Seeds, SeedArray{});
    EXPECT_EQ(replay.Final().Taken, (StoreArray{3, 4}));
}

TEST(GameReplay, aContinuedRoundStartsTheNextRound)
{
    GameRecord record = OneMoveRound({3, 4});
    record.AddNextRound();
    const GameReplay replay = GameReplay::Run(record);
    ASSERT_TRUE(replay.Ok());
    EXPECT_FALSE(replay.RoundOver());
    EXPECT_EQ(replay.Rounds(), 2);
    EXPECT_EQ(replay.Final().Player1Houses, 3);
    EXPECT_EQ(replay.Final().Seeds[11], SeedsPerHouse);
}

TEST(GameReplay, aGameOverStartsItsNextRoundByItself)
{
    const GameReplay replay = GameReplay::Run(OneMoveRound({0, 0}));
    ASSERT_TRUE(replay.Ok());
    EXPECT_FALSE(replay.RoundOver());
    EXPECT_EQ(replay.Final().Seeds[0], SeedsPerHouse);
}

struct BadEntryCase
{
    const char *name;
    std::vector<RecordEntry> entries;
    GameFileError::Code code;
    int failedEntry;
};

void PrintTo(const BadEntryCase &bad, std::ostream *out)
{
    *out << bad.name;
}

class GameReplayRefuses : public testing::TestWithParam<BadEntryCase>
{
};

TEST_P(GameReplayRefuses, anEntryThatCouldNotHaveBeenMade)
{
    GameRecord record = OneMoveRound({3, 4});
    record.Entries = GetParam().entries;
    const GameReplay replay = GameReplay::Run(record);
    EXPECT_FALSE(replay.Ok());
    EXPECT_EQ(replay.Failure().code(), GetParam().code);
    EXPECT_EQ(replay.FailedEntry(), GetParam().failedEntry);
    EXPECT_EQ(replay.Steps().size(), std::size_t(GetParam().failedEntry));
}

using E = RecordEntry;
using C = GameFileError::Code;
INSTANTIATE_TEST_SUITE_P(
    Table, GameReplayRefuses,
    testing::Values(BadEntryCase{"otherPlayer", {E::Move(1, 6)}, C::NotToMove, 0},
                    BadEntryCase{"otherPlayersHouse", {E::Move(0, 6)}, C::NotOwner, 0},
                    BadEntryCase{"emptyHouse", {E::Move(0, 3)}, C::EmptyHouse, 0},
                    BadEntryCase{"roundGoesOn", {E::Turn(), E::NextRound()}, C::RoundNotOver, 1},
                    BadEntryCase{"roundIsOver", {E::Move(0, 0), E::Turn()}, C::RoundOver, 1},
                    BadEntryCase{"twoNewRounds",
                                 {E::Move(0, 0), E::NextRound(), E::NextRound()},
                                 C::RoundNotOver,
                                 2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GameRecord, undoDropsTheLastMoveWithTheTurnsAfterIt)
{
    GameRecord record;
    record.AddMove(0, 1);
    record.AddNextRound();
    record.AddMove(1, 7);
    record.AddTurn();
    EXPECT_TRUE(record.RemoveLastMove());
    EXPECT_EQ(record.Entries.size(), 2u);
    // Undo never reaches into the round before.
    EXPECT_FALSE(record.RemoveLastMove());
    EXPECT_EQ(record.MoveCount(), 1u);
}

// Undo after opening a game goes back through the moves of the round it
// stands in, to where that round began, and Redo plays them again.
TEST(GameReplay, theRoundHistoryTakesBackTheMovesOfTheLastRound)
{
    const RecordedGame game = PlayRecordedGame(SetUpBoard(), 100);
    const GameReplay replay = GameReplay::Run(game.Record);
    ASSERT_TRUE(replay.Ok());
    const auto &entries = game.Record.Entries;
    std::size_t first = entries.size();
    while (first > 0 && entries[first - 1].What != RecordEntry::Kind::NextRound)
        --first;
    ASSERT_GT(first, 0u); // the game reached a later round
    ASSERT_LT(first, entries.size());
    const auto moves = entries.size() - first;

    HeadlessView view;
    GameController controller(view, 0);
    ASSERT_TRUE(controller.LoadGame(replay.Final(), OpponentHuman, 1, replay.Rounds(),
                                    replay.RoundHistory(), replay.GameOver()));
    std::size_t undone = 0;
    while (controller.UndoEnabled() && undone <= moves) {
        controller.UndoActionExecute();
        ++undone;
    }
    EXPECT_EQ(undone, moves);
    EXPECT_EQ(controller.Board().Seeds, game.Before[first].Seeds);
    EXPECT_EQ(controller.Board().Taken, game.Before[first].Taken);
    EXPECT_TRUE(controller.RedoEnabled());
}

} // namespace
} // namespace ombrel::test
