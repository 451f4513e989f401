// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "rules/MoveHistory.h"

namespace ombrel {

void MoveHistory::PushEntry(const TBoard &board)
{
    auto entry = std::make_unique<Entry>();
    TakeSnapshot(entry->Situation, board);
    m_stack.push(std::move(entry));
}

void MoveHistory::Push(const TBoard &board)
{
    PushEntry(board);
    m_redo.clear();
}

void MoveHistory::MarkMove(int player, int house)
{
    if (m_stack.empty())
        return;
    m_stack.top()->Player = player;
    m_stack.top()->House = house;
}

bool MoveHistory::PopInto(TBoard &board)
{
    if (m_stack.empty())
        return false;
    Entry &entry = *m_stack.top();
    RestoreSnapshot(entry.Situation, board);
    if (entry.House >= 0)
        m_redo.push_back(entry);
    else
        m_redo.clear(); // the moves undone before it are not reachable now
    m_stack.pop();
    return true;
}

void MoveHistory::Discard()
{
    if (!m_stack.empty())
        m_stack.pop();
}

void MoveHistory::Clear()
{
    while (!m_stack.empty())
        m_stack.pop();
    m_redo.clear();
}

int MoveHistory::RedoMove(const TBoard &board) const noexcept
{
    if (m_redo.empty())
        return -1;
    const Entry &entry = m_redo.back();
    const bool samePosition = entry.Situation.Seeds == board.Seeds &&
                              entry.Situation.Taken == board.Taken && entry.Player == board.Mover;
    if (!samePosition || !CanPlay(board, entry.Player, entry.House))
        return -1;
    return entry.House;
}

int MoveHistory::Redo(const TBoard &board)
{
    const int house = RedoMove(board);
    if (house < 0)
        return -1;
    const Entry entry = m_redo.back();
    m_redo.pop_back();
    PushEntry(board);
    MarkMove(entry.Player, entry.House);
    return house;
}

} // namespace ombrel
