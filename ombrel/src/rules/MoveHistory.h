// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "rules/Board.h"

#include <deque>
#include <memory>
#include <stack>

namespace ombrel {

// The undo history of the current round: one snapshot per move, taken just
// before the move starts. It owns its snapshots.
class MoveHistory
{
public:
    void Push(const TBoard &board);
    // Restores the newest snapshot into `board` and drops it; false when empty.
    bool PopInto(TBoard &board);
    // Drops the newest snapshot without restoring it.
    void Discard();
    void Clear();

    bool Empty() const noexcept { return m_stack.empty(); }
    std::size_t Size() const noexcept { return m_stack.size(); }
    const TSituation *Top() const noexcept { return Empty() ? nullptr : m_stack.top().get(); }

private:
    std::stack<std::unique_ptr<TSituation>, std::deque<std::unique_ptr<TSituation>>> m_stack;
};

} // namespace ombrel
