// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "PositionIndex.h"

#include <array>

namespace ombrel {

namespace {

constexpr int MaxN = MaxTableSeeds + HouseCount;

constexpr auto binomials()
{
    std::array<std::array<std::uint64_t, HouseCount + 1>, MaxN + 1> c{};
    for (int n = 0; n <= MaxN; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= HouseCount && k <= n; ++k)
            c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
    }
    return c;
}

constexpr auto Table = binomials();

} // namespace

std::uint64_t PositionIndex::Binomial(int n, int k) noexcept
{
    if (n < 0 || k < 0 || k > n || n > MaxN || k > HouseCount)
        return 0;
    return Table[n][k];
}

std::uint64_t PositionIndex::Distributions(int seeds) noexcept
{
    return Binomial(seeds + HouseCount - 1, HouseCount - 1);
}

CanonicalPosition PositionIndex::Canonical(const SeedArray &seeds, int player1Houses,
                                           int mover) noexcept
{
    // Player 1's arc starts at house 0, or at 18 - n when it reaches the top row.
    const int start1 = player1Houses >= 6 ? (18 - player1Houses) % HouseCount : 0;
    CanonicalPosition p;
    p.MoverHouses = mover == 0 ? player1Houses : HouseCount - player1Houses;
    p.Rotation = mover == 0 ? start1 : (start1 + player1Houses) % HouseCount;
    for (int i = 0; i < HouseCount; ++i)
        p.Seeds[i] = seeds[(i + p.Rotation) % HouseCount];
    return p;
}

std::uint64_t PositionIndex::Rank(const SeedArray &seeds) noexcept
{
    return RankRotated(seeds, 0);
}

std::uint64_t PositionIndex::RankRotated(const SeedArray &seeds, int start) noexcept
{
    std::uint64_t rank = 0;
    int bar = -1;
    int h = start;
    for (int i = 0; i < HouseCount - 1; ++i) {
        bar += seeds[h] + 1;
        rank += Table[bar][i + 1];
        h = h + 1 == HouseCount ? 0 : h + 1;
    }
    return rank;
}

SeedArray PositionIndex::Unrank(std::uint64_t rank, int seeds) noexcept
{
    return DistributionWalk(rank, seeds).Seeds();
}

DistributionWalk::DistributionWalk(std::uint64_t rank, int seeds) noexcept
{
    // The colex rank of the bar positions: the largest bar first.
    int top = seeds + HouseCount - 2;
    for (int i = HouseCount - 2; i >= 0; --i) {
        while (Table[top][i + 1] > rank)
            --top;
        rank -= Table[top][i + 1];
        m_bars[i] = top;
        --top;
    }
    m_bars[HouseCount - 1] = seeds + HouseCount - 1;
}

void DistributionWalk::Next() noexcept
{
    int i = 0;
    while (i < HouseCount - 1 && m_bars[i] + 1 == m_bars[i + 1])
        ++i;
    if (i == HouseCount - 1)
        return; // the last distribution
    ++m_bars[i];
    for (int j = 0; j < i; ++j)
        m_bars[j] = j;
}

SeedArray DistributionWalk::Seeds() const noexcept
{
    SeedArray seeds;
    int previous = -1;
    for (int i = 0; i < HouseCount; ++i) {
        seeds[i] = m_bars[i] - previous - 1;
        previous = m_bars[i];
    }
    return seeds;
}

} // namespace ombrel
