// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The rules of a move and of the end of a round, in one place.
//
// A move is sown one step at a time: SowStep() lifts the seeds of a house,
// lays one seed down, captures a group of four, or ends the move, and reports
// which of these it did. The game animates a move by calling it once per
// tick; nothing else changes the board while a move is sown.
//
// The rules of one step:
// - lift: the seeds of the house are taken in hand (the start, or a relay
//   when the last seed fell into a house that then held 2, 3, 5 or more);
// - sow: one seed goes into the next house; a house that reaches four is
//   captured at the next step, by the house's owner while seeds remain in
//   hand, by the mover when it was the last seed (which ends the move);
// - the last seed falling into an empty house ends the move;
// - a move is cut after MaxSownSeeds seeds: the seeds still in hand go into
//   the next house and the move ends (some positions sow for ever).
//
// PlayWholeMove() plays the same rules in one tight loop over a bare position,
// for the computer's search, which plays millions of moves; a property test
// holds the two to the same stores, seeds and cut.
//
// After a move the turn passes; the round is over when the player to move has
// no seed: the other player is credited with one group per four seeds he has
// left (EndRound), and a game is over when a store is empty at that point.

#include "rules/Board.h"

namespace ombrel {

inline constexpr int MaxSownSeeds = 500; // a move is cut after this many seeds

// What a move being sown carries from one step to the next, besides the board
// (the seeds in hand and the last house visited are in TBoard).
struct SowingState
{
    bool CapturePending = false; // the house just sown holds four
    bool Ending = false;         // the move ends at the next step
    int Sown = 0;                // seeds laid down so far
};

enum class SowAction
{
    Lifted,   // the house's seeds were taken in hand
    Sowed,    // one seed was laid into the house
    Captured, // the house's four seeds went to Taker's store
    Ended,    // the move is over; nothing changed on the board
    Cut       // the seeds in hand were laid into the house and the move is over
};

// What one step did, and where.
struct SowReport
{
    SowAction Action = SowAction::Ended;
    int House = 0;
    int Taker = -1; // the player credited by a capture
};

// The house the next step works on.
constexpr int NextSowHouse(const TBoard &board) noexcept
{
    return (board.SowHouse + 1) % HouseCount;
}

// One step of the move at house `h`: the starting house with a fresh
// SowingState (the step lifts it), then NextSowHouse() until a step reports
// Ended or Cut.
SowReport SowStep(TBoard &board, SowingState &state, int h) noexcept;

// Groups credited at the end of a round for seeds left in a player's houses.
constexpr int GroupsForSeeds(int seeds) noexcept
{
    return seeds / GroupSize;
}

// After a move has passed the turn: the player to move has no seed left.
bool RoundIsOver(const TBoard &board) noexcept;

// Ends the round: the player not to move takes one group per four of his
// seeds and the houses are emptied. Returns that player.
int EndRound(TBoard &board) noexcept;

// At the end of a round: one store is empty, so the next round cannot be dealt.
bool GameIsOver(const TBoard &board) noexcept;

// Plays the move of player `m` from house `h` on (s, t) to its end by the
// rules above; true when it was cut (the seeds in hand then stay off the board).
inline bool PlayWholeMove(const OwnerTable &owners, int m, int h, SeedArray &s,
                          StoreArray &t) noexcept
{
    int hand = s[h];
    s[h] = 0;
    int i = h + 1 == HouseCount ? 0 : h + 1;
    for (int sown = 0;;) {
        if (hand == 0 && s[i] == 0)
            return false;
        s[i] += 1;
        hand -= 1;
        if (hand == 0) {
            if (s[i] == 1)
                return false;
            if (s[i] == GroupSize) {
                t[m] += 1;
                s[i] = 0;
                return false;
            }
            hand = s[i]; // relay
            s[i] = 0;
        }
        if (s[i] == GroupSize) {
            t[owners[i]] += 1;
            s[i] = 0;
        }
        i = i + 1 == HouseCount ? 0 : i + 1;
        if (++sown == MaxSownSeeds)
            return true;
    }
}

} // namespace ombrel
