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

// The rows of captured groups: Player 1's below the bottom row, Player 2's
// above the top row, each as wide as the surface.
inline constexpr int StoreHeight = 40;

constexpr int StoreTop(int player) noexcept
{
    return player == 0 ? 194 : 2;
}

// The things a player can point at on the board: items 0..11 are the houses,
// FirstStoreItem + p is player p's row of captured groups.
inline constexpr int FirstStoreItem = 12;
inline constexpr int BoardItemCount = 14;

struct ItemBox
{
    int x, y, width, height;
};

constexpr ItemBox ItemBoxOf(int item) noexcept
{
    if (item >= FirstStoreItem)
        return {0, StoreTop(item - FirstStoreItem), SurfaceWidth, StoreHeight};
    return {HouseLeft(item), HouseTop(item), HouseSize, HouseSize};
}

// The item drawn under a point, or -1 (the gaps between the rows, the strip
// right of the houses). Unlike HouseAt, which gives every point a house as a
// click does, this names only what is drawn there.
constexpr int ItemAt(int x, int y) noexcept
{
    for (int item = 0; item < BoardItemCount; ++item) {
        const ItemBox box = ItemBoxOf(item);
        if (x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height)
            return item;
    }
    return -1;
}

} // namespace ombrel
