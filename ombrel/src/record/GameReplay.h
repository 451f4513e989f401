// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Plays a game record through the controller, as the window would have
// played it, and keeps the position before every entry: what the move list
// shows when an entry is chosen, and the proof that every move in a game
// file was playable where it stands.
//
// The controller runs headless with two human players, so no computer move
// starts by itself; a round that ends is continued exactly when the record's
// next entry starts the next round. A game over starts its next round by
// itself, as in the window; the record still marks it, so that every round
// in a game file starts with a line of its own.

#include "GameFileError.h"
#include "GameRecord.h"
#include "MoveHistory.h"

#include <vector>

namespace ombrel {

struct ReplayStep
{
    int Round = 1;          // the round the entry belongs to, from 1
    TBoard Before;          // the position the entry was made in
    bool EndsRound = false; // a move after which the round was over
};

class GameReplay
{
public:
    // Replays the whole record, or up to the first entry that could not have
    // been made; Failed() then says which and why.
    static GameReplay Run(const GameRecord &record);

    bool Ok() const noexcept { return m_failedEntry < 0; }
    // Index of the entry that could not be made, -1 when all could.
    int FailedEntry() const noexcept { return m_failedEntry; }
    // Why, with line 0 (the reader knows the line).
    const GameFileError &Failure() const noexcept { return m_failure; }

    // One step per entry replayed.
    const std::vector<ReplayStep> &Steps() const noexcept { return m_steps; }
    // The position after the last entry replayed.
    const TBoard &Final() const noexcept { return m_final; }
    // The position after entry `i` (what the move list shows for it).
    const TBoard &After(std::size_t i) const noexcept
    {
        return i + 1 < m_steps.size() ? m_steps[i + 1].Before : m_final;
    }
    // The last move ended a round that the record does not continue (the
    // answer No to "Continue?": the board stays empty).
    bool RoundOver() const noexcept { return m_roundOver; }
    int Rounds() const noexcept { return m_rounds; }
    // The last move ended the game (and its next round began by itself).
    bool GameOver() const noexcept { return m_gameOver; }
    // The undo history the window would have after playing these entries:
    // a marked snapshot for every move of the round it stands in.
    MoveHistory RoundHistory() const;

private:
    std::vector<ReplayStep> m_steps;
    TBoard m_final;
    GameFileError m_failure;
    int m_failedEntry = -1;
    bool m_roundOver = false;
    int m_rounds = 1;
    bool m_gameOver = false;
    struct RoundMove
    {
        TBoard Before;
        int Player = 0;
        int House = 0;
    };
    std::vector<RoundMove> m_roundMoves; // oldest first
};

} // namespace ombrel
