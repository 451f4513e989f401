// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ai/Search.h"

namespace ombrel {

MoveOutcome SimulateMove(const OwnerTable &owners, int player, int house, const SeedArray &seeds,
                         const StoreArray &stores) noexcept
{
    MoveOutcome out{seeds, stores, false};
    out.Cut = PlayWholeMove(owners, player, house, out.Seeds, out.Stores);
    return out;
}

std::int32_t ScoreMove(int depth, int player, int house, const SeedArray &seeds,
                       const StoreArray &stores, SearchContext &context) noexcept
{
    ++context.Nodes;
    if (context.Pump)
        context.Pump(context.PumpData);

    const int m = player;
    const int o = 1 - player;
    SeedArray s = seeds;
    StoreArray t = stores;
    if (PlayWholeMove(context.Owners, m, house, s, t))
        return t[m] - t[o];

    std::int32_t own = 0;
    std::int32_t other = 0;
    for (int i = 0; i < HouseCount; ++i)
        (context.Owners[i] == m ? own : other) += s[i];
    if (other == 0)
        return t[m] - t[o] + GroupsForSeeds(own);

    if (depth > 1 && !(context.Stop && *context.Stop)) {
        std::int32_t best = NoScore;
        for (int j = 0; j < HouseCount; ++j) {
            if (context.Owners[j] != o || s[j] == 0)
                continue;
            const std::int32_t v = ScoreMove(depth - 1, o, j, s, t, context);
            if (v > best)
                best = v;
        }
        return -best;
    }
    return t[m] - t[o];
}

Candidates CollectCandidates(int depth, int player, const TBoard &board,
                             SearchContext &context) noexcept
{
    Candidates c;
    c.Scores.fill(NoScore);
    for (int h = 0; h < HouseCount; ++h) {
        if (context.Owners[h] != player || board.Seeds[h] == 0)
            continue;
        if (depth <= 0) {
            c.Houses[c.Count++] = h;
            continue;
        }
        const std::int32_t v = ScoreMove(depth, player, h, board.Seeds, board.Taken, context);
        c.Scores[h] = v;
        c.Tried[h] = true;
        if (v > c.Best) {
            c.Best = v;
            c.Count = 0;
            c.Houses[c.Count++] = h;
        } else if (v == c.Best) {
            c.Houses[c.Count++] = h;
        }
    }
    return c;
}

} // namespace ombrel
