// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The board record and its operations: the whole state of one round.
//
// Twelve houses are numbered 0..11 in sowing order: 0..5 the bottom row from
// the left, 6..11 the top row from the right, so sowing runs anticlockwise as
// seen on the screen. Ownership is not stored per house: Player 1 owns a
// contiguous block of `Player1Houses` houses (the bottom row from the left,
// then the top row from the left), Player 2 the rest. Players are 0 and 1 in
// the code and "Player 1" / "Player 2" in every text.

#include <array>
#include <cstdint>

namespace ombrel {

inline constexpr int HouseCount = 12;
inline constexpr int SeedsPerHouse = 4;
inline constexpr int GroupSize = 4; // seeds in one captured group

using SeedArray = std::array<std::int32_t, HouseCount>;
using StoreArray = std::array<std::int32_t, 2>;

struct TBoard
{
    std::int32_t Player1Houses = 6;
    SeedArray Seeds{};
    std::int32_t SowHouse = 0; // may be -1 between two steps of a move
    std::uint8_t Mover = 0;
    std::uint8_t RoundStarter = 0;
    std::int32_t InHand = 0;
    StoreArray Taken{};
};

// One entry of the undo history: the seeds and the two stores before a move.
struct TSituation
{
    SeedArray Seeds{};
    StoreArray Taken{};
};

// Owner (0 or 1) of house h when Player 1 owns `player1Houses` houses.
constexpr int OwnerOf(int player1Houses, int h) noexcept
{
    if (player1Houses >= 6)
        return (h < 6 || h >= 18 - player1Houses) ? 0 : 1;
    return (h < player1Houses) ? 0 : 1;
}

// Owner of every house at once, for loops that ask often.
using OwnerTable = std::array<std::uint8_t, HouseCount>;
OwnerTable OwnerTableFor(int player1Houses) noexcept;

void InitBoard(TBoard &board);
void NewRound(TBoard &board);
void ClearHouses(TBoard &board);
int OwnerOf(const TBoard &board, int h) noexcept;
int SeedsOf(const TBoard &board, int player) noexcept;
bool CanPlay(const TBoard &board, int player, int h) noexcept;
void TakeSnapshot(TSituation &snapshot, const TBoard &board) noexcept;
void RestoreSnapshot(const TSituation &snapshot, TBoard &board) noexcept;

// Seeds on the board, in hand and four per captured group: 48 in ordinary play.
int SeedTotal(const TBoard &board) noexcept;

} // namespace ombrel
