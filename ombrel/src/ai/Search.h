// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The computer opponent's search.
//
// A position is fourteen integers: twelve seed counts and the two stores of
// captured groups. House ownership is fixed for a whole round, so the search
// takes it once, as an owner table, and never recomputes it.
//
// ScoreMove() rates one move by a full-width negamax over whole moves: it plays
// the move on a private copy of the position (the rules' PlayWholeMove, the
// animated sowing's rules in one loop), then, while depth remains, tries every reply
// of the opponent and returns the negated best of their scores. A leaf scores
// the mover's store minus the opponent's store, counted in groups of four. A
// move after which the opponent has no seed would end the round: the mover is
// then credited with the groups his remaining seeds will give him, and no reply
// is searched. Some positions sow for ever, so a move is cut after 500 sown
// seeds and scored by the stores at that point.
//
// There is no pruning, no move ordering and no transposition table: every line
// of `depth` moves is visited, which keeps the scores exactly reproducible and
// the levels' characters (2, 4, 6 and 8 moves deep) distinct. The depth alone
// bounds the work; a stop flag cuts it short: once set, no node looks deeper,
// so the remaining candidates are rated by their own move only.
//
// The search runs on the caller's thread. So that a window stays alive during
// a deep search, it calls a pump hook at every node; with no hook the call is a
// single test of a null pointer. Nodes keep their positions on the stack and
// allocate nothing.

#include "rules/Board.h"
#include "rules/Sowing.h"

#include <array>
#include <cstdint>

namespace ombrel {

inline constexpr int NoScore = -20; // below any score that play can reach

// What a search needs besides the position. Cheap to build; build one per search.
struct SearchContext
{
    OwnerTable Owners{};
    // Read at every node; when it becomes true no node looks deeper.
    const bool *Stop = nullptr;
    // Called at every node, before anything else (keeps a window responsive).
    void (*Pump)(void *data) = nullptr;
    void *PumpData = nullptr;
    // Nodes visited (one per ScoreMove call), the search's fingerprint.
    std::uint64_t Nodes = 0;

    explicit SearchContext(int player1Houses) noexcept : Owners(OwnerTableFor(player1Houses)) {}
};

// Result of playing one move on a bare position.
struct MoveOutcome
{
    SeedArray Seeds{};
    StoreArray Stores{};
    bool Cut = false; // the sowing was cut after MaxSownSeeds seeds
};

// Plays the move of `player` from `house` on (seeds, stores) by the rules of
// the sowing; the seeds in hand when a move is cut are not on the board.
MoveOutcome SimulateMove(const OwnerTable &owners, int player, int house, const SeedArray &seeds,
                         const StoreArray &stores) noexcept;

// Score of the move from `house` by `player`, seen from `player`'s side
// (higher is better for him), searched `depth` moves deep (depth >= 1).
std::int32_t ScoreMove(int depth, int player, int house, const SeedArray &seeds,
                       const StoreArray &stores, SearchContext &context) noexcept;

// The houses the computer may choose among, with the score of each house tried.
struct Candidates
{
    std::array<int, HouseCount> Houses{};
    int Count = 0;
    std::array<std::int32_t, HouseCount> Scores{}; // per house; NoScore if not tried
    std::array<bool, HouseCount> Tried{};
    std::int32_t Best = NoScore;
};

// Depth 0: every playable house of `player`, none scored. Depth > 0: the
// playable houses with the best score, in increasing order.
Candidates CollectCandidates(int depth, int player, const TBoard &board,
                             SearchContext &context) noexcept;

// Search depth of an opponent level: 2 x level - 4 (Easy 0 ... Extremely Difficult 8).
constexpr int DepthForLevel(int opponent) noexcept
{
    return 2 * opponent - 4;
}

} // namespace ombrel
