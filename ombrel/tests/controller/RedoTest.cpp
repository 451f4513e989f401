// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Redo, the rounds and what the controller tells a game record.

#include "RecordingView.h"

#include <gtest/gtest.h>

#include <string>

using namespace ombrel;
using namespace ombrel::test;

namespace {

// Writes down the record's events as short words.
class EventView : public RecordingView
{
public:
    void GameStarted(const TBoard &) override { events.push_back("new"); }
    void MoveStarted(int player, int house) override
    {
        events.push_back("P" + std::to_string(player + 1) + " " + std::to_string(house));
    }
    void Turned() override { events.push_back("turn"); }
    void RoundStarted() override { events.push_back("round"); }
    void MoveUndone(const TBoard &) override { events.push_back("undo"); }
    void BoardEdited(const TBoard &) override { events.push_back("edit"); }
    void SetRedoEnabled(bool on) override { redo = on; }

    std::vector<std::string> events;
    bool redo = false;
};

class Redo : public ::testing::Test
{
protected:
    // The human's move and the computer's answer, to the end of both.
    void PlayAgainstComputer(int house)
    {
        game.BoardClick(MouseButton::Left, house);
        finishMove(game);
        finishFlash(game);
        finishMove(game);
    }

    EventView view;
    GameController game{view, 7};
};

// Undoing the computer's move and redoing it plays the house it had chosen,
// whatever it would choose now.
TEST_F(Redo, playsTheComputersMoveAgain)
{
    game.SetOpponent(OpponentEasy);
    PlayAgainstComputer(2);
    ASSERT_EQ(view.events.size(), 2u);
    const std::string computerMove = view.events[1];
    const TBoard after = game.Board();
    EXPECT_FALSE(view.redo);

    game.UndoActionExecute();
    EXPECT_TRUE(view.redo);
    EXPECT_TRUE(game.RedoEnabled());
    view.events.clear();
    game.RedoActionExecute();
    EXPECT_FALSE(view.redo);
    finishMove(game);
    EXPECT_EQ(view.events, std::vector<std::string>{computerMove});
    EXPECT_EQ(game.Board().Seeds, after.Seeds);
    EXPECT_EQ(game.Board().Mover, after.Mover);
    EXPECT_FALSE(game.FlashTimerEnabled()); // the human is to move, as before
}

// Redo is refused (and does nothing) once the board is not the position the
// move was taken back to, and Turn or an edit of the board leave nothing to redo.
TEST_F(Redo, needsThePositionTheMoveWasTakenBackTo)
{
    game.SetOpponent(OpponentHuman);
    game.BoardClick(MouseButton::Left, 0);
    finishMove(game);
    game.UndoActionExecute();
    ASSERT_TRUE(game.RedoEnabled());
    game.Turn1Click();
    EXPECT_FALSE(game.RedoEnabled());
    const TBoard turned = game.Board();
    game.RedoActionExecute();
    EXPECT_FALSE(game.MoveTimerEnabled());
    EXPECT_EQ(game.Board().Seeds, turned.Seeds);
    game.Turn1Click();
    EXPECT_TRUE(game.RedoEnabled());

    game.SetupItemClick();
    game.BoardClick(MouseButton::Left, 3);
    game.SetupItemClick();
    EXPECT_FALSE(game.RedoEnabled());
    EXPECT_EQ(view.events.back(), "edit");
}

TEST_F(Redo, theRecordHearsEveryMoveTurnUndoAndRound)
{
    view.answers = {MessageAnswer::Yes};
    game.SetOpponent(OpponentHuman);
    game.SetBoard(makeBoard({1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 5}));
    game.Turn1Click();
    game.Turn1Click();
    game.BoardClick(MouseButton::Left, 0);
    finishMove(game);
    EXPECT_EQ(view.events, (std::vector<std::string>{"turn", "turn", "P1 0", "round"}));
    EXPECT_EQ(game.Round(), 2);
    EXPECT_FALSE(game.GameOver());
    game.NewGameExecute();
    EXPECT_EQ(game.Round(), 1);
    EXPECT_EQ(view.events.back(), "new");
}

TEST_F(Redo, theGameOverLastsUntilTheNextMove)
{
    view.answers = {MessageAnswer::Ok};
    game.SetOpponent(OpponentHuman);
    game.SetBoard(makeBoard({1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    game.BoardClick(MouseButton::Left, 0);
    finishMove(game);
    EXPECT_TRUE(game.GameOver());
    EXPECT_EQ(view.events.back(), "round");
    EXPECT_EQ(game.Round(), 2);
}

TEST_F(Redo, aLoadedGameGoesOnWithoutHistoryAndNotWhileBusy)
{
    game.SetOpponent(OpponentHuman);
    game.BoardClick(MouseButton::Left, 0);
    const TBoard loaded = makeBoard({0, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4}, {1, 2}, 6, 1);
    EXPECT_FALSE(game.LoadGame(loaded, OpponentMedium, 0, 3)); // a move is being sown
    finishMove(game);
    ASSERT_TRUE(game.LoadGame(loaded, OpponentMedium, 0, 3));
    EXPECT_EQ(game.Board().Seeds, loaded.Seeds);
    EXPECT_EQ(game.Opponent(), OpponentMedium);
    EXPECT_EQ(game.ComputerSide(), 0);
    EXPECT_EQ(game.Round(), 3);
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_FALSE(game.RedoEnabled());
}

// The undo history a game file brings along: Undo takes its moves back and
// Redo plays them again, as if they had been played here.
TEST_F(Redo, aLoadedGameUndoesAndRedoesTheMovesItBrings)
{
    game.SetOpponent(OpponentHuman);
    const TBoard start = game.Board();
    game.BoardClick(MouseButton::Left, 2);
    finishMove(game);
    const TBoard middle = game.Board();
    game.BoardClick(MouseButton::Left, 8);
    finishMove(game);
    const TBoard end = game.Board();
    MoveHistory history;
    history.Push(start);
    history.MarkMove(0, 2);
    history.Push(middle);
    history.MarkMove(1, 8);
    game.NewGameExecute();

    ASSERT_TRUE(game.LoadGame(end, OpponentHuman, 1, 1, std::move(history)));
    EXPECT_TRUE(game.UndoEnabled());
    EXPECT_FALSE(game.RedoEnabled());
    game.UndoActionExecute();
    EXPECT_EQ(game.Board().Seeds, middle.Seeds);
    EXPECT_EQ(game.Board().Mover, 1);
    game.RedoActionExecute();
    finishMove(game);
    EXPECT_EQ(game.Board().Seeds, end.Seeds);
    game.UndoActionExecute();
    game.UndoActionExecute();
    EXPECT_EQ(game.Board().Seeds, start.Seeds);
    EXPECT_FALSE(game.UndoEnabled());
}

// After a game is loaded the computer takes its turn when it is to move, and
// only then.
TEST_F(Redo, aLoadedGameGoesOnWithTheComputersMoveWhenItIsToMove)
{
    const SeedArray full{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    struct Case
    {
        const char *name;
        SeedArray seeds;
        int opponent;
        int mover;
        bool gameOver;
        bool computerMoves;
    };
    const Case cases[] = {
        {"computer to move", full, OpponentEasy, 1, false, true},
        {"human to move", full, OpponentEasy, 0, false, false},
        {"two humans", full, OpponentHuman, 1, false, false},
        {"game over", full, OpponentEasy, 1, true, false},
        {"round over", SeedArray{}, OpponentEasy, 1, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        view.events.clear();
        const TBoard loaded = makeBoard(c.seeds, {3, 5}, 6, c.mover);
        ASSERT_TRUE(game.LoadGame(loaded, c.opponent, 1, 2, {}, c.gameOver));
        game.ResumePlay();
        EXPECT_EQ(game.FlashTimerEnabled(), c.computerMoves);
        finishFlash(game);
        finishMove(game);
        EXPECT_EQ(view.events.size(), c.computerMoves ? 1u : 0u);
        EXPECT_EQ(game.UndoEnabled(), c.computerMoves);
        if (c.computerMoves) {
            EXPECT_EQ(view.events[0].substr(0, 2), "P2");
            EXPECT_EQ(game.Board().Mover, 0);
        }
    }
}

} // namespace
