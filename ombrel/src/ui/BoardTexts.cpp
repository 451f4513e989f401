// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardTexts.h"

#include "ui/BoardFocus.h"

namespace ombrel {

QString BoardTexts::HouseName(int player, int seeds)
{
    return tr("Player %1's house, seeds: %n", "a house and its seed count", seeds).arg(player + 1);
}

QString BoardTexts::StoreName(int player, int groups)
{
    return tr("Player %1's captured groups: %n", "a store and its count of groups of four seeds",
              groups)
        .arg(player + 1);
}

QString BoardTexts::HouseDescription(int house)
{
    const int column = BoardFocus::ColumnOf(house) + 1;
    if (BoardFocus::InTopRow(house))
        return tr("House %1, top row, column %2 from the left").arg(house).arg(column);
    return tr("House %1, bottom row, column %2 from the left").arg(house).arg(column);
}

QString BoardTexts::StoreDescription(int player)
{
    if (player == 0)
        return tr("Each group is four seeds, shown below the board");
    return tr("Each group is four seeds, shown above the board");
}

QString BoardTexts::BoardName()
{
    return tr("Board");
}

} // namespace ombrel
