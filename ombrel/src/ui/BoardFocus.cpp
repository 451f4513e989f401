// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardFocus.h"

#include "rules/Board.h"

namespace ombrel {

void BoardFocus::SetHouse(int house) noexcept
{
    if (house >= 0 && house < HouseCount)
        m_house = house;
}

bool BoardFocus::Move(Direction direction) noexcept
{
    const bool top = InTopRow(m_house);
    const int column = ColumnOf(m_house);
    int next = m_house;
    switch (direction) {
    case Direction::Left:
        if (column > 0)
            next = HouseIn(top, column - 1);
        break;
    case Direction::Right:
        if (column < 5)
            next = HouseIn(top, column + 1);
        break;
    case Direction::Up:
        next = HouseIn(true, column);
        break;
    case Direction::Down:
        next = HouseIn(false, column);
        break;
    }
    if (next == m_house)
        return false;
    m_house = next;
    return true;
}

} // namespace ombrel
