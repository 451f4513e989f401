// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "rules/Board.h"

#include <cstdint>

namespace ombrel {

class EndgameTables;

struct SelfPlayLimits
{
    // The rules have no repetition limit, so a game may go on for ever.
    int MaxRounds = 200;
    long MaxMovesPerRound = 2000;
    // The first moves of the game are played at random (Easy) by both sides,
    // so that games between the same levels differ.
    int RandomOpeningMoves = 0;
    double MasterSeconds = 2.0;            // the Master level's time for a move
    const EndgameTables *Tables = nullptr; // the Master level's tables
};

struct SelfPlayResult
{
    bool Finished = false;
    int Winner = -1;          // 0 or 1 when finished
    int Rounds = 0;           // rounds played, the last one included
    long Moves = 0;           // moves in the whole game
    StoreArray FinalStores{}; // stores after the final count
    std::uint64_t Nodes = 0;  // search nodes of the whole game
};

// Plays one whole game, computer against computer, through the controller with
// a headless view that answers Yes to "Game over. Continue?". `level1` and
// `level2` are opponent levels (2 Easy ... 6 Extremely Difficult, 7 Master) for Player 1
// and Player 2; `seed` seeds the tie-breaking generator.
SelfPlayResult PlaySelfGame(int level1, int level2, std::uint64_t seed,
                            const SelfPlayLimits &limits = {});

} // namespace ombrel
