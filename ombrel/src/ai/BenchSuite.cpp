// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ai/BenchSuite.h"

#include "ai/Search.h"

#include <chrono>

namespace ombrel {

const std::vector<BenchPosition> &BenchPositions()
{
    static const std::vector<BenchPosition> positions{
        {"opening", {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, {0, 0}, 6, 0},
        {"after house 0", {2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6}, {0, 0}, 6, 1},
        {"early", {11, 1, 2, 1, 0, 11, 2, 0, 3, 0, 1, 0}, {1, 3}, 6, 1},
        {"heap", {2, 0, 0, 1, 12, 0, 2, 3, 0, 2, 0, 2}, {4, 2}, 6, 0},
        {"spread", {1, 1, 2, 1, 1, 1, 2, 2, 2, 1, 13, 1}, {4, 1}, 6, 1},
        {"eight houses", {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, {0, 0}, 8, 1},
    };
    return positions;
}

BenchResult RunBenchSuite(int depth)
{
    BenchResult result;
    const auto start = std::chrono::steady_clock::now();
    for (const BenchPosition &p : BenchPositions()) {
        SearchContext context(p.Player1Houses);
        for (int h = 0; h < HouseCount; ++h) {
            if (context.Owners[h] != p.Player || p.Seeds[h] == 0)
                continue;
            result.ScoreSum += ScoreMove(depth, p.Player, h, p.Seeds, p.Stores, context);
        }
        result.Nodes += context.Nodes;
    }
    result.Seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace ombrel
