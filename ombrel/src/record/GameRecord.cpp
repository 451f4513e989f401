// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameRecord.h"

#include <algorithm>
#include <ctime>

namespace ombrel {

StartPosition StartPosition::FromBoard(const TBoard &board)
{
    StartPosition start;
    start.Player1Houses = board.Player1Houses;
    start.Seeds = board.Seeds;
    start.Stores = board.Taken;
    start.Mover = board.Mover;
    start.Opener = board.RoundStarter;
    return start;
}

TBoard StartPosition::ToBoard() const
{
    TBoard board;
    InitBoard(board);
    board.Player1Houses = Player1Houses;
    board.Seeds = Seeds;
    board.Taken = Stores;
    board.Mover = std::uint8_t(Mover);
    board.RoundStarter = std::uint8_t(Opener);
    return board;
}

std::string GameRecord::DateNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return std::string(text, length);
}

TBoard GameRecord::StartBoard() const
{
    if (Start)
        return Start->ToBoard();
    TBoard board;
    InitBoard(board);
    return board;
}

bool GameRecord::RemoveLastMove()
{
    for (auto it = Entries.rbegin(); it != Entries.rend(); ++it) {
        if (it->What == RecordEntry::Kind::NextRound)
            return false;
        if (it->What == RecordEntry::Kind::Move) {
            Entries.erase(std::next(it).base(), Entries.end());
            return true;
        }
    }
    return false;
}

std::size_t GameRecord::MoveCount() const
{
    return std::size_t(std::count_if(Entries.begin(), Entries.end(), [](const RecordEntry &e) {
        return e.What == RecordEntry::Kind::Move;
    }));
}

} // namespace ombrel
