// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameRecorder.h"

#include "GameReplay.h"

namespace ombrel {

void GameRecorder::NewGame(const TBoard &board)
{
    m_record.Date = GameRecord::DateNow();
    m_record.Entries.clear();
    const StartPosition start = StartPosition::FromBoard(board);
    TBoard opening;
    InitBoard(opening);
    if (start == StartPosition::FromBoard(opening))
        m_record.Start.reset();
    else
        m_record.Start = start;
}

void GameRecorder::SetPlayers(int opponent, int computerSide)
{
    m_record.Opponent = opponent;
    m_record.ComputerSide = computerSide;
}

void GameRecorder::Undone(const TBoard &board)
{
    if (!m_record.RemoveLastMove())
        return;
    if (GameReplay::Run(m_record).Final().Mover != board.Mover)
        m_record.AddTurn();
}

} // namespace ombrel
