// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The endgame tables: for every position within a round with few seeds on the
// board, the exact score of the rest of the round under perfect play, seen
// from the player to move: the groups he will take minus the groups the other
// player will take, the final count at the end of the round included. Add the
// stores' difference to get the round's final difference.
//
// A round can go on for ever (the rules know no repetition). A position from
// which neither player can force a better result than an endless round is
// scored 0, as if neither took another group; TableLevel::Endless() counts the
// positions whose value rests on that.
//
// The levels are built by TableBuilder and kept on the disk by TableFile; a
// set holds the levels 0 .. MaxSeeds(), each needed by the ones above it.

#include "Board.h"
#include "TableLevel.h"

#include <array>
#include <string>
#include <vector>

namespace ombrel {

class EndgameTables
{
public:
    // Levels 0 .. MaxSeeds() are present; -1 when none.
    int MaxSeeds() const noexcept { return int(m_levels.size()) - 1; }
    const TableLevel &Level(int seeds) const { return m_levels.at(std::size_t(seeds)); }
    // Appends the next level (its seeds must be MaxSeeds() + 1).
    void Add(TableLevel level);

    // Value of a canonical position in a level that is present.
    int Value(const SeedArray &canonical, int moverHouses, int seeds) const noexcept;

    // Value of a board position for `mover` if the tables hold it.
    bool Probe(const SeedArray &seeds, int player1Houses, int mover, int &value) const noexcept;

    // The exact value of every playable house of `mover` (for the mover, the
    // move's groups included); false when the position is not in the tables.
    struct MoveValues
    {
        std::array<int, HouseCount> Values{};
        std::array<bool, HouseCount> Playable{};
        int Best = -HouseCount * 100;
    };
    bool ProbeMoves(const SeedArray &seeds, int player1Houses, int mover, MoveValues &out) const;

    // Loads the levels 0 .. maxSeeds found in `directory`, stopping at the
    // first missing one; false with `error` set when a file is damaged.
    bool LoadFrom(const std::string &directory, int maxSeeds, std::string &error);

    // $XDG_CACHE_HOME/ombrel/tables, else ~/.cache/ombrel/tables.
    static std::string DefaultDirectory();

private:
    std::vector<TableLevel> m_levels;
};

} // namespace ombrel
