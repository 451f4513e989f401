// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The sowing of one move on a bare position, as fast as the endgame tables and
// the Master search need it, with exactly the outcome of the animated move:
// lift the house, sow one seed into every following house (none skipped), a
// house brought to four mid-sowing goes to its owner, the last seed making four
// goes to the mover and ends the move, the last seed into an occupied house
// lifts it again (relay), into an empty house it ends the move. A sowing still
// going after MaxSownSeeds seeds is cut as the game cuts it: the seeds in hand
// are laid into the next house and the move ends there.
//
// A position here is seen from the mover's side: the mover owns a contiguous
// arc of houses in sowing order (true of every ownership split), given as a bit
// mask. The tables rotate positions so that this arc starts at house 0.

#include "Board.h"

#include <cstdint>

namespace ombrel {

inline constexpr int SowingCut = 500; // seeds sown before a sowing is cut

struct SowingResult
{
    std::int8_t MoverGroups = 0; // groups the mover took during the move
    std::int8_t OtherGroups = 0; // groups the other player took
    bool Cut = false;            // the sowing was cut after SowingCut seeds
};

// Plays the move from `house` on `seeds` in place. Bit h of `moverHouses` is
// set when the mover owns house h. The house must not be empty.
SowingResult Sow(SeedArray &seeds, int house, unsigned moverHouses) noexcept;

// The mask of the houses `player` owns when Player 1 owns `player1Houses`.
unsigned HousesOf(int player1Houses, int player) noexcept;

} // namespace ombrel
