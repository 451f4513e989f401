// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "TableMove.h"

#include "tables/Sowing.h"

#include <algorithm>

namespace ombrel {

int MoverSeeds(const SeedArray &canonical, int moverHouses) noexcept
{
    int sum = 0;
    for (int h = 0; h < moverHouses; ++h)
        sum += canonical[h];
    return sum;
}

TableMove TableMove::Play(const SeedArray &canonical, int moverHouses, int house) noexcept
{
    TableMove m;
    SeedArray s = canonical;
    const SowingResult r = Sow(s, house, (1u << moverHouses) - 1u);
    m.Gain = r.MoverGroups - r.OtherGroups;
    int own = 0;
    int other = 0;
    for (int h = 0; h < moverHouses; ++h)
        own += s[h];
    for (int h = moverHouses; h < HouseCount; ++h)
        other += s[h];
    if (other == 0) {
        // The other player cannot move: the mover counts his seeds in groups.
        m.RoundEnds = true;
        m.Gain += own / GroupSize;
        return m;
    }
    m.ChildHouses = HouseCount - moverHouses;
    m.ChildSeeds = own + other;
    // The other player's houses first: a rotation by the mover's arc.
    std::copy(s.begin() + moverHouses, s.end(), m.Child.begin());
    std::copy(s.begin(), s.begin() + moverHouses, m.Child.begin() + (HouseCount - moverHouses));
    return m;
}

} // namespace ombrel
