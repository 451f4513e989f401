// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "rules/Board.h"

#include <cstdint>
#include <vector>

namespace ombrel {

// A fixed set of positions searched at a fixed depth. Its node total is the
// search's fingerprint: it changes only when the search itself does.
struct BenchPosition
{
    const char *Name;
    SeedArray Seeds;
    StoreArray Stores;
    int Player1Houses;
    int Player; // the side to move
};

const std::vector<BenchPosition> &BenchPositions();

struct BenchResult
{
    std::uint64_t Nodes = 0;
    double Seconds = 0;
    std::int64_t ScoreSum = 0; // a second check that the scores did not change
};

// Scores every playable house of every bench position at `depth`.
BenchResult RunBenchSuite(int depth);

} // namespace ombrel
