// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The Master level's search.
//
// Where the other levels look a fixed number of moves ahead at every line, the
// Master deepens by one move at a time for as long as its time allows
// (iterative deepening), and prunes with alpha-beta in its principal-variation
// form: the first move of a node is searched with the full window, the others
// with a null window that only asks "is it better?", and are searched again
// when it is. Each iteration starts from the best line of the one before, kept
// in a transposition table of bounded size (positions reached by different
// move orders are searched once), and tries captures before quiet moves.
//
// A position with few enough seeds on the board is not searched at all: the
// endgame tables give its exact value for the rest of the round. Scores count
// groups of four like the other levels: the mover's store minus the other's
// at the end of the searched line, the final count of a round that ends
// included; a line cut off by the depth counts the stores as they stand.
//
// Positions are searched in the tables' canonical form (the mover's houses
// first), so a position and its mirror image for the other player share one
// entry. The search stops at the time limit, when the stop flag is set, or
// at MaxDepth (a root in the tables is answered at once); it then plays the best move of the
// deepest iteration it finished (or a better one found in the unfinished iteration). It calls a
// pump hook now and then so that a window stays responsive.

#include "Board.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace ombrel {

class EndgameTables;

struct MasterLimits
{
    double Seconds = 2.0; // time for the move
    int MaxDepth = 64;    // moves, never more
    const bool *Stop = nullptr;
    void (*Pump)(void *data) = nullptr;
    void *PumpData = nullptr;
};

struct MasterResult
{
    int House = -1;     // -1: the player cannot move
    int Score = 0;      // as ScoreMove counts it, the stores included
    int Depth = 0;      // of the deepest finished iteration
    bool Exact = false; // from the endgame tables
    std::uint64_t Nodes = 0;
};

class MasterSearch
{
public:
    // `tableEntries` bounds the transposition table (16 bytes an entry).
    explicit MasterSearch(std::size_t tableEntries = std::size_t(1) << 20);

    // The endgame tables to use at the leaves (may be null; not owned).
    void SetTables(const EndgameTables *tables) noexcept { m_tables = tables; }

    MasterResult Choose(const TBoard &board, int player, const MasterLimits &limits);

    // Forgets what earlier searches stored.
    void Clear();

private:
    struct Entry
    {
        std::uint64_t Key = 0;
        std::int32_t Score = 0;
        std::int8_t Depth = -1;
        std::uint8_t Bound = 0;
        std::int8_t Move = -1;
    };

    int search(const SeedArray &seeds, int k, int depth, int alpha, int beta);
    bool outOfTime();
    static std::uint64_t keyOf(const SeedArray &seeds, int k) noexcept;

    std::vector<Entry> m_entries;
    const EndgameTables *m_tables = nullptr;
    MasterLimits m_limits;
    std::chrono::steady_clock::time_point m_deadline;
    std::uint64_t m_nodes = 0;
    bool m_aborted = false;
};

} // namespace ombrel
