// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The house that the keyboard works on, and whether its mark is shown. The
// arrow keys move it as the player sees the board: Left and Right along a row
// in screen order (the top row is numbered right to left, so Right lowers the
// house number there), Up and Down between the rows in the same column. It
// stops at the edges.
//
// The mark follows the keyboard the way focus rings do in browsers: a click
// gives the board focus but hides the mark, so a mouse player sees the board
// as it always was; the first key shows it again.

namespace ombrel {

class BoardFocus
{
public:
    enum class Direction
    {
        Left,
        Right,
        Up,
        Down
    };

    int House() const noexcept { return m_house; }
    // Houses outside 0..11 are ignored.
    void SetHouse(int house) noexcept;
    // Moves the house one step; false when it is at the edge already.
    bool Move(Direction direction) noexcept;

    bool MarkShown() const noexcept { return m_markShown; }
    void SetMarkShown(bool shown) noexcept { m_markShown = shown; }

    // Column 0..5 on the screen from the left, and the house in a row/column.
    static constexpr int ColumnOf(int house) noexcept { return house < 6 ? house : 11 - house; }
    static constexpr bool InTopRow(int house) noexcept { return house >= 6; }
    static constexpr int HouseIn(bool topRow, int column) noexcept
    {
        return topRow ? 11 - column : column;
    }

private:
    int m_house = 0;
    bool m_markShown = false;
};

} // namespace ombrel
