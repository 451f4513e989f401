// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "rules/MoveHistory.h"

namespace ombrel {

void MoveHistory::Push(const TBoard &board)
{
    auto snapshot = std::make_unique<TSituation>();
    TakeSnapshot(*snapshot, board);
    m_stack.push(std::move(snapshot));
}

bool MoveHistory::PopInto(TBoard &board)
{
    if (m_stack.empty())
        return false;
    RestoreSnapshot(*m_stack.top(), board);
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
}

} // namespace ombrel
