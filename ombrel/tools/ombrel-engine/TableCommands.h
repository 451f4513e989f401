// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "Board.h"

#include <string>

namespace ombrel {

// `ombrel-engine tables`: builds the endgame tables up to `maxSeeds` seeds in
// `directory`, resuming from the levels already there; prints one JSON object.
int RunTablesCommand(int maxSeeds, int threads, const std::string &directory);

// `ombrel-engine solve`: the exact value of the position and of each playable
// house of `player` from the tables in `directory`.
int RunSolveCommand(const TBoard &board, int player, const std::string &directory);

class EndgameTables;

// The tables the Master level plays with: those in `directory`, the levels up
// to `seeds` built first when missing (with a progress bar on a terminal).
bool PrepareTables(const std::string &directory, int seeds, EndgameTables &tables);

} // namespace ombrel
