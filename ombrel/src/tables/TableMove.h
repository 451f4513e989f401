// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "Board.h"

namespace ombrel {

// One move from a canonical position (the mover owns houses 0 .. k-1) and what
// it leads to: the groups it wins, and either the end of the round or the
// canonical position of the other player, who moves next.
struct TableMove
{
    // The mover's groups minus the other player's taken by the move, plus the
    // final count when the move ends the round.
    int Gain = 0;
    bool RoundEnds = false;
    SeedArray Child{}; // canonical, the other player to move
    int ChildHouses = 0;
    int ChildSeeds = 0;

    static TableMove Play(const SeedArray &canonical, int moverHouses, int house) noexcept;
};

// Seeds of the mover when the mover owns houses 0 .. k-1.
int MoverSeeds(const SeedArray &canonical, int moverHouses) noexcept;

} // namespace ombrel
