// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "rules/Sowing.h"

namespace ombrel {

namespace {

int previousHouse(int h) noexcept
{
    // -1 before house 0: the next step's house is then 0 again.
    return (h - 1) % HouseCount;
}

SowReport capture(TBoard &b, SowingState &state, int h) noexcept
{
    state.CapturePending = false;
    const int taker = b.InHand == 0 ? b.Mover : OwnerOf(b, h);
    b.Taken[taker] += 1;
    b.Seeds[h] = 0;
    if (b.InHand == 0)
        state.Ending = true;
    return {SowAction::Captured, h, taker};
}

SowReport sowOne(TBoard &b, SowingState &state, int h) noexcept
{
    if (b.InHand == 1 && b.Seeds[h] == 0)
        state.Ending = true;
    b.Seeds[h] += 1;
    b.InHand -= 1;
    ++state.Sown;
    if (b.Seeds[h] == GroupSize) {
        b.SowHouse = previousHouse(h);
        state.CapturePending = true;
    } else if (b.InHand == 0) {
        b.SowHouse = previousHouse(h);
    }
    return {SowAction::Sowed, h, -1};
}

} // namespace

SowReport SowStep(TBoard &b, SowingState &state, int h) noexcept
{
    b.SowHouse = h;
    if (b.InHand == 0 && b.Seeds[h] == 0)
        return {SowAction::Ended, h, -1};
    if (state.Ending) {
        b.SowHouse = previousHouse(h);
        return {SowAction::Ended, h, -1};
    }
    if (state.CapturePending)
        return capture(b, state, h);
    if (b.InHand == 0) { // the start of the move, or a relay
        b.InHand = b.Seeds[h];
        b.Seeds[h] = 0;
        return {SowAction::Lifted, h, -1};
    }
    if (state.Sown >= MaxSownSeeds) {
        // This sowing would never end: lay the rest down here and stop.
        b.Seeds[h] += b.InHand;
        b.InHand = 0;
        return {SowAction::Cut, h, -1};
    }
    return sowOne(b, state, h);
}

bool RoundIsOver(const TBoard &board) noexcept
{
    return SeedsOf(board, board.Mover) == 0;
}

int EndRound(TBoard &board) noexcept
{
    const int w = 1 - board.Mover;
    board.Taken[w] += GroupsForSeeds(SeedsOf(board, w));
    ClearHouses(board);
    return w;
}

bool GameIsOver(const TBoard &board) noexcept
{
    return board.Taken[0] == 0 || board.Taken[1] == 0;
}

} // namespace ombrel
