// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// What a game file keeps of a game: when it was played, who plays, the
// position it started from when that was set up by hand, and then every
// command that changed the game, in order: the moves (the house each player
// chose), the Turn commands and the starts of new rounds. Replaying these
// through the controller gives the game again (GameReplay); the record itself
// holds no positions, so it cannot disagree with the rules.

#include "Board.h"

#include <optional>
#include <string>
#include <vector>

namespace ombrel {

struct RecordEntry
{
    enum class Kind
    {
        Move,     // `Player` sowed `House`
        Turn,     // the side to move was swapped without a move
        NextRound // the next round was started after a round ended
    };
    Kind What = Kind::Move;
    int Player = 0; // 0 or 1, moves only
    int House = 0;  // 0..11, moves only

    static RecordEntry Move(int player, int house) { return {Kind::Move, player, house}; }
    static RecordEntry Turn() { return {Kind::Turn, 0, 0}; }
    static RecordEntry NextRound() { return {Kind::NextRound, 0, 0}; }

    friend bool operator==(const RecordEntry &, const RecordEntry &) = default;
};

// The position a game started from when it was set up by hand: the fields of
// the board that outlast a move (nothing of a sowing in progress).
struct StartPosition
{
    int Player1Houses = 6;
    SeedArray Seeds{};
    StoreArray Stores{};
    int Mover = 0;
    int Opener = 0; // the player who opened the round (the board's RoundStarter)

    static StartPosition FromBoard(const TBoard &board);
    TBoard ToBoard() const;

    friend bool operator==(const StartPosition &, const StartPosition &) = default;
};

class GameRecord
{
public:
    // "2026-12-09T10:03:02Z", the time a game file names as its date.
    static std::string DateNow();

    // The players: the opponent level (1 Human ... 6 Extremely Difficult, as
    // the controller counts them) and, against the computer, its side.
    std::string Date;
    int Opponent = 4;
    int ComputerSide = 1;
    // Empty: the opening board of a new game.
    std::optional<StartPosition> Start;
    std::vector<RecordEntry> Entries;

    // The board the first entry is played on.
    TBoard StartBoard() const;

    // Recording while a game is played (the window calls these as the
    // controller accepts the commands).
    void AddMove(int player, int house) { Entries.push_back(RecordEntry::Move(player, house)); }
    void AddTurn() { Entries.push_back(RecordEntry::Turn()); }
    void AddNextRound() { Entries.push_back(RecordEntry::NextRound()); }
    // Undo: drops the last move and the Turn commands after it; never reaches
    // across the start of a round. False when there is no move to drop.
    bool RemoveLastMove();
    std::size_t MoveCount() const;

    friend bool operator==(const GameRecord &, const GameRecord &) = default;
};

} // namespace ombrel
