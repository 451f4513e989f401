// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace ombrel {

class EndgameTables;

// `ombrel-engine ladder`: every pair of computer levels (Easy ... Master) plays
// `games` games, each side opening half of them, from openings of a few random
// moves drawn with `seed`; prints each level's Elo with a 95 % interval.
int RunLadderCommand(long games, double seconds, std::uint64_t seed, const EndgameTables *tables);

// Elo ratings from a table of scores: score[i][j] is what i scored against j
// (a win 1, an unfinished game 1/2) in games[i][j] games. Level 0 is rated 0.
struct EloRating
{
    double Elo = 0;
    double Margin = 0; // half the 95 % interval
};
std::vector<EloRating> RateLevels(const std::vector<std::vector<double>> &score,
                                  const std::vector<std::vector<double>> &games);

} // namespace ombrel
