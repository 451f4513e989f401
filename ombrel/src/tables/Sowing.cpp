// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "tables/Sowing.h"

namespace ombrel {

SowingResult Sow(SeedArray &s, int house, unsigned moverHouses) noexcept
{
    SowingResult r;
    int hand = s[house];
    s[house] = 0;
    int i = house + 1 == HouseCount ? 0 : house + 1;
    for (int sown = 0;; ++sown) {
        if (sown >= SowingCut) {
            s[i] += hand;
            r.Cut = true;
            return r;
        }
        const bool wasEmpty = s[i] == 0;
        s[i] += 1;
        hand -= 1;
        if (s[i] == GroupSize) {
            s[i] = 0;
            if (hand == 0 || (moverHouses >> i & 1u))
                ++r.MoverGroups;
            else
                ++r.OtherGroups;
            if (hand == 0)
                return r;
        } else if (hand == 0) {
            if (wasEmpty)
                return r;
            hand = s[i]; // relay
            s[i] = 0;
        }
        i = i + 1 == HouseCount ? 0 : i + 1;
    }
}

unsigned HousesOf(int player1Houses, int player) noexcept
{
    unsigned mask = 0;
    for (int h = 0; h < HouseCount; ++h)
        if (OwnerOf(player1Houses, h) == player)
            mask |= 1u << h;
    return mask;
}

} // namespace ombrel
