// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The game file: a short text of our own that a person can read.
//
//   ombrel-game 1
//   # comments and blank lines are skipped
//   date 2026-12-09T10:03:02Z
//   player1 human
//   player2 computer difficult
//   start houses 6 seeds 4 4 4 4 4 4 4 4 4 4 4 4 stores 0 0 mover 1 opener 1
//   round 1
//   P1 3
//   P2 8
//   turn
//   round 2
//   P2 0
//   end
//
// The first line names the format and its version. The header gives the date
// (UTC), the two players (human, or computer with a level from easy to
// extremely-difficult or master; at most one computer) and, only when the board was set
// up by hand, the starting position: how many houses Player 1 owns, the seeds
// of houses 0 to 11, the groups in the two stores, the player to move and the
// player who opened the round. Then come the rounds in order, each opened by
// its "round N" line, with one line per move ("P1 3": Player 1 sowed house 3)
// and "turn" where the side to move was swapped without a move. "end" closes
// the file, so a cut-off file is told from a whole one.
//
// Reading checks everything: the size and every line's length, the shape of
// every line, every number's range, and then every move by replaying the game
// through the rules (GameReplay). Any fault refuses the whole file and names
// the line. Writing is all or nothing (AtomicFile).

#include "GameFileError.h"
#include "GameRecord.h"
#include "GameReplay.h"

#include <string>
#include <string_view>

namespace ombrel {

class GameFile
{
public:
    static constexpr int FormatVersion = 1;
    // Bounds on what a reader accepts; each keeps the work for any file small.
    static constexpr std::size_t MaxBytes = 1024 * 1024;
    static constexpr int MaxLineLength = 256;
    static constexpr int MaxEntries = 10000; // moves, turns and new rounds
    static constexpr int MaxSeedsPerHouse = 9999;
    static constexpr int MaxStore = 9999;
    static constexpr const char *Extension = ".ombrel";
    static constexpr const char *MimeType = "application/x-ombrel-game";

    struct ReadResult
    {
        GameRecord Record;
        GameReplay Replay; // the game replayed, when the file was read whole
        GameFileError Error;
        bool Ok() const noexcept { return !Error; }
    };

    // The record as the text of a game file.
    static std::string Format(const GameRecord &record);
    // Reads the text of a game file; on any fault Error says what and where,
    // and Record and Replay are not to be used.
    static ReadResult Parse(std::string_view text);

    // Reads the file at `path` (at most MaxBytes bytes; regular files only).
    static ReadResult Read(const std::string &path);
    // Writes `record` to `path`, all or nothing: on failure the old file, if
    // any, is left as it was. A record that would not read back is refused
    // before anything is written.
    static GameFileError Write(const std::string &path, const GameRecord &record);
};

} // namespace ombrel
