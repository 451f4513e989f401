// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// A perfect index of the positions of one table level.
//
// Every ownership split gives each player a contiguous arc of houses in sowing
// order, so a position with a player to move is, up to a rotation of the
// board, the mover owning houses 0 .. k-1 (k = 0 .. 12) and the other player
// the rest. The canonical position is that rotation; the tables store only
// canonical positions, which halves them (either player to move, all thirteen
// splits). A level holds the positions with exactly S seeds on the board:
// 13 x C(S + 11, 11) of them. Within a split, the seed counts are ranked by
// the combinatorial number system (the positions of the eleven bars among
// S + 11 stars and bars), so the index is dense and computed in twelve steps.

#include "Board.h"

#include <cstdint>

namespace ombrel {

inline constexpr int MaxTableSeeds = 24; // the largest level the index can address
inline constexpr int SplitCount = HouseCount + 1;

struct CanonicalPosition
{
    SeedArray Seeds{}; // the mover owns houses 0 .. MoverHouses - 1
    int MoverHouses = 0;
    int Rotation = 0; // canonical house i is board house (i + Rotation) mod 12
};

class PositionIndex
{
public:
    // Rotates a board position so that the mover's arc starts at house 0.
    static CanonicalPosition Canonical(const SeedArray &seeds, int player1Houses,
                                       int mover) noexcept;

    // C(n, k) for n <= MaxTableSeeds + HouseCount.
    static std::uint64_t Binomial(int n, int k) noexcept;
    // Seed distributions with `seeds` seeds over the twelve houses.
    static std::uint64_t Distributions(int seeds) noexcept;
    // Positions in the level of `seeds` seeds (all splits).
    static std::uint64_t LevelSize(int seeds) noexcept { return SplitCount * Distributions(seeds); }

    // Rank of a seed distribution among those of the same total.
    static std::uint64_t Rank(const SeedArray &seeds) noexcept;
    // Rank of the distribution read from house `start` on, round the board.
    static std::uint64_t RankRotated(const SeedArray &seeds, int start) noexcept;
    // The distribution of `seeds` seeds with the given rank.
    static SeedArray Unrank(std::uint64_t rank, int seeds) noexcept;
    // Index of a canonical position within its level.
    static std::uint64_t Index(const SeedArray &seeds, int moverHouses, int total) noexcept
    {
        return std::uint64_t(moverHouses) * Distributions(total) + Rank(seeds);
    }
};

// Walks the distributions of one total in rank order, without unranking each.
// A step moves the bars only; the seeds are read out when asked for, since a
// sweep skips most positions.
class DistributionWalk
{
public:
    DistributionWalk(std::uint64_t rank, int seeds) noexcept;
    SeedArray Seeds() const noexcept;
    void Next() noexcept;

private:
    std::int32_t m_bars[HouseCount]{}; // eleven bars and a sentinel
};

} // namespace ombrel
