// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Keeps the record of the game being played, told by the window what the
// controller did. Each call names one thing that happened, in the order it
// happened; afterwards replaying Record() gives the board the controller has
// (between moves), so Record() can be saved at any quiet moment.

#include "GameRecord.h"

namespace ombrel {

class GameRecorder
{
public:
    const GameRecord &Record() const noexcept { return m_record; }

    // A new game on `board`; the record starts afresh, dated now, with a
    // starting position unless `board` is the opening board of a new game.
    void NewGame(const TBoard &board);
    // The board was edited by hand (setup mode): the moves before the edit
    // cannot be replayed on it, so the game starts again from this board.
    void BoardEdited(const TBoard &board) { NewGame(board); }
    // The players, as the opponent level and the computer's side stand now.
    void SetPlayers(int opponent, int computerSide);

    // A move started: `player` sows `house`.
    void MoveStarted(int player, int house) { m_record.AddMove(player, house); }
    // Turn swapped the side to move.
    void Turned() { m_record.AddTurn(); }
    // A new round started after the last one ended.
    void RoundStarted() { m_record.AddNextRound(); }
    // Undo took a move back; `board` is the controller's board after it.
    // Undo restores the seeds and gives the move to the other player, which
    // after a Turn is not the player who made the move: the record then notes
    // a Turn, so that it replays to the same player to move.
    void Undone(const TBoard &board);

    // A game read from a file goes on from where it stands.
    void Continue(GameRecord record) { m_record = std::move(record); }

private:
    GameRecord m_record;
};

} // namespace ombrel
