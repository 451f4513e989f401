// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "rules/Board.h"

namespace ombrel {

OwnerTable OwnerTableFor(int player1Houses) noexcept
{
    OwnerTable owners{};
    for (int h = 0; h < HouseCount; ++h)
        owners[h] = std::uint8_t(OwnerOf(player1Houses, h));
    return owners;
}

void InitBoard(TBoard &board)
{
    board.Taken[0] = 6;
    board.RoundStarter = 1;
    NewRound(board);
}

void NewRound(TBoard &board)
{
    board.Seeds.fill(SeedsPerHouse);
    board.Player1Houses = board.Taken[0];
    board.Taken[1] = 0;
    board.Taken[0] = 0;
    board.RoundStarter = std::uint8_t(1 - board.RoundStarter);
    board.Mover = board.RoundStarter;
    board.InHand = 0;
}

void ClearHouses(TBoard &board)
{
    board.Seeds.fill(0);
}

int OwnerOf(const TBoard &board, int h) noexcept
{
    return OwnerOf(board.Player1Houses, h);
}

int SeedsOf(const TBoard &board, int player) noexcept
{
    int sum = 0;
    for (int h = 0; h < HouseCount; ++h)
        if (OwnerOf(board, h) == player)
            sum += board.Seeds[h];
    return sum;
}

bool CanPlay(const TBoard &board, int player, int h) noexcept
{
    return OwnerOf(board, h) == player && board.Seeds[h] != 0;
}

void TakeSnapshot(TSituation &snapshot, const TBoard &board) noexcept
{
    snapshot.Seeds = board.Seeds;
    snapshot.Taken = board.Taken;
}

void RestoreSnapshot(const TSituation &snapshot, TBoard &board) noexcept
{
    board.Seeds = snapshot.Seeds;
    board.Taken = snapshot.Taken;
}

int SeedTotal(const TBoard &board) noexcept
{
    int sum = board.InHand + GroupSize * (board.Taken[0] + board.Taken[1]);
    for (int s : board.Seeds)
        sum += s;
    return sum;
}

} // namespace ombrel
