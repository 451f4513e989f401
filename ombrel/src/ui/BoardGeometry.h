// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Where the window draws the board, in device-independent pixels, and which
// house a point of the drawing surface falls on. A house is a 72 x 72 cell;
// houses 0..5 form the bottom row from the left, houses 6..11 the top row from
// the right, so sowing runs anticlockwise on the screen. The stores of
// captured groups sit above and below the two rows.

namespace ombrel {

inline constexpr int HouseSize = 72;   // a house is drawn as a 72 x 72 cell
inline constexpr int TopRowY = 50;     // top edge of houses 6..11
inline constexpr int BottomRowY = 122; // top edge of houses 0..5
inline constexpr int SurfaceWidth = 438;
inline constexpr int SurfaceHeight = 245;

// Left edge of the cell of house h (houses 6..11 run right to left).
constexpr int HouseLeft(int h) noexcept
{
    return h < 6 ? HouseSize * h : HouseSize * (11 - h);
}

constexpr int HouseTop(int h) noexcept
{
    return h < 6 ? BottomRowY : TopRowY;
}

// The house under a point of the drawing surface, or -1 for none: 72-pixel
// columns, the rows split at y 122, the top row counted from the right. The
// whole height of the surface belongs to the two rows.
constexpr int HouseAt(int x, int y) noexcept
{
    if (x < 0 || y < 0 || x >= 6 * HouseSize || y >= SurfaceHeight)
        return -1;
    const int column = x / HouseSize;
    return y < BottomRowY ? 11 - column : column;
}

} // namespace ombrel
