// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "MoveHistory.h"

#include <gtest/gtest.h>

namespace ombrel {
namespace {

// Two positions of one round: A with Player 1 to move, B after his move from
// house 0, with Player 2 to move; C after Player 2's move from house 7.
struct Positions
{
    TBoard A, B, C;
    Positions()
    {
        InitBoard(A);
        B = A;
        B.Seeds = {0, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4};
        B.Mover = 1;
        C = B;
        C.Seeds = {1, 6, 6, 6, 5, 4, 4, 0, 5, 5, 5, 1};
        C.Mover = 0;
    }
};

// Plays the two moves, marked, as the controller records them.
MoveHistory PlayedTwoMoves(const Positions &p)
{
    MoveHistory history;
    history.Push(p.A);
    history.MarkMove(0, 0);
    history.Push(p.B);
    history.MarkMove(1, 7);
    return history;
}

// The controller's Undo: restore, then the other player is to move.
void Undo(MoveHistory &history, TBoard &board)
{
    ASSERT_TRUE(history.PopInto(board));
    board.Mover = std::uint8_t(1 - board.Mover);
}

TEST(MoveHistory, redoAfterUndoPlaysTheUndoneMoveAgain)
{
    const Positions p;
    MoveHistory history = PlayedTwoMoves(p);
    TBoard board = p.C;
    Undo(history, board);
    EXPECT_EQ(board.Seeds, p.B.Seeds);
    EXPECT_EQ(history.RedoMove(board), 7);
    EXPECT_EQ(history.Redo(board), 7);
    EXPECT_EQ(history.Size(), 2u);
    EXPECT_EQ(history.RedoSize(), 0u);
    EXPECT_EQ(history.Top()->Seeds, p.B.Seeds);
}

TEST(MoveHistory, redoGoesForwardInTheOrderUndoWentBack)
{
    const Positions p;
    MoveHistory history = PlayedTwoMoves(p);
    TBoard board = p.C;
    Undo(history, board);
    Undo(history, board);
    EXPECT_EQ(board.Seeds, p.A.Seeds);
    EXPECT_EQ(history.Redo(board), 0);
    board = p.B; // the move from house 0 sown again
    EXPECT_EQ(history.Redo(board), 7);
    EXPECT_EQ(history.RedoMove(p.C), -1);
    // And back again: the redone moves can be undone and redone like any other.
    board = p.C;
    Undo(history, board);
    EXPECT_EQ(history.RedoMove(board), 7);
}

TEST(MoveHistory, aNewMoveOrANewRoundLeavesNothingToRedo)
{
    const Positions p;
    MoveHistory history = PlayedTwoMoves(p);
    TBoard board = p.C;
    Undo(history, board);
    history.Push(board);
    EXPECT_EQ(history.RedoSize(), 0u);
    EXPECT_EQ(history.RedoMove(board), -1);

    history = PlayedTwoMoves(p);
    board = p.C;
    Undo(history, board);
    history.Clear();
    EXPECT_EQ(history.RedoMove(board), -1);
}

TEST(MoveHistory, redoIsRefusedWhenTheBoardIsNoLongerThePositionOfTheMove)
{
    const Positions p;
    MoveHistory history = PlayedTwoMoves(p);
    TBoard board = p.C;
    Undo(history, board);

    TBoard edited = board; // a seed added in setup mode
    ++edited.Seeds[3];
    EXPECT_EQ(history.RedoMove(edited), -1);
    TBoard turned = board; // Turn gave the move to the other player
    turned.Mover = 0;
    EXPECT_EQ(history.Redo(turned), -1);
    EXPECT_EQ(history.Size(), 1u); // a refused Redo changes nothing
    EXPECT_EQ(history.RedoMove(board), 7);
}

TEST(MoveHistory, anUnmarkedOrDiscardedMoveCannotBeRedone)
{
    const Positions p;
    MoveHistory history;
    history.Push(p.A); // never marked
    TBoard board = p.B;
    Undo(history, board);
    EXPECT_EQ(history.RedoMove(board), -1);

    history.Push(p.A);
    history.MarkMove(0, 0);
    history.Discard(); // a computer move abandoned before it was sown
    EXPECT_EQ(history.RedoMove(p.A), -1);
}

} // namespace
} // namespace ombrel
