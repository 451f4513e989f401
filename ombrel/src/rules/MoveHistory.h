// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "rules/Board.h"

#include <deque>
#include <memory>
#include <stack>
#include <vector>

namespace ombrel {

// The undo history of the current round: one snapshot per move, taken just
// before the move starts. It owns its snapshots.
//
// It also keeps what Undo took back, so that Redo can play those moves again:
// a move marked with its player and house (MarkMove) goes onto the redo list
// when it is undone, and RedoMove() names it as long as the board is still
// the position it was played from. A new move or a new round empties the list.
class MoveHistory
{
public:
    // A new move: its snapshot is taken and nothing is left to redo.
    void Push(const TBoard &board);
    // Names the player and the house of the newest move, once chosen (the
    // computer's choice comes after its snapshot).
    void MarkMove(int player, int house);
    // Restores the newest snapshot into `board` and drops it; false when empty.
    // The move it stood for can be redone when it was marked.
    bool PopInto(TBoard &board);
    // Drops the newest snapshot without restoring it (a move that was never
    // played); it cannot be redone.
    void Discard();
    void Clear();

    bool Empty() const noexcept { return m_stack.empty(); }
    std::size_t Size() const noexcept { return m_stack.size(); }
    const TSituation *Top() const noexcept { return Empty() ? nullptr : &m_stack.top()->Situation; }

    // Redo. The house Redo would sow on `board`, or -1: nothing was undone
    // since the last move, or the board is no longer the position of the last
    // undone move (its seeds, stores or player to move differ).
    int RedoMove(const TBoard &board) const noexcept;
    std::size_t RedoSize() const noexcept { return m_redo.size(); }
    // Redo, before the move is sown again: takes it off the redo list and
    // pushes its snapshot, keeping the rest of the list. Returns the house, or
    // -1 (and changes nothing) when RedoMove(board) is -1.
    int Redo(const TBoard &board);
    // The board was changed by hand: what was undone can no longer be redone.
    void ClearRedo() noexcept { m_redo.clear(); }

private:
    struct Entry
    {
        TSituation Situation;
        int Player = -1; // -1: not marked
        int House = -1;
    };
    void PushEntry(const TBoard &board);

    std::stack<std::unique_ptr<Entry>, std::deque<std::unique_ptr<Entry>>> m_stack;
    std::vector<Entry> m_redo; // newest undone move last
};

} // namespace ombrel
