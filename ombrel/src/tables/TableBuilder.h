// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Builds the endgame tables by retrograde analysis, level by level.
//
// A move that captures leaves fewer seeds on the board, so it leads into a
// lower level, already solved; a move without a capture stays in the level,
// and the level's positions lead into one another in cycles. Each position
// therefore carries two bounds, four bits each: l, the best the mover can
// force in a finite number of moves, and u, the least the other player can
// hold him to in a finite number of moves. They start at -M and +M (M = seeds /
// 4, no score can pass it) and every sweep over the level raises l and lowers
// u by one negamax step (l = max over moves of -u(child), u = max of -l(child),
// lower levels and the end of the round exact). The sweeps stop when nothing
// changes. A value above 0 that the mover can force in finite time is l; a
// value below 0 the other player can force is u; anything else means that the
// side who would lose ground keeps the round going for ever, scored 0. The
// positions with l < u are those endless ones.
//
// Sweeps update in place, split over threads in chunks; the bounds only ever
// move towards each other, so a thread that reads a bound another thread is
// writing sees an old but still valid bound, and the next sweep catches up.

#include "EndgameTables.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace ombrel {

struct LevelStats
{
    int Seeds = 0;
    std::uint64_t Positions = 0;
    std::uint64_t Endless = 0;
    int Sweeps = 0;
    double Seconds = 0;
    bool Loaded = false; // read from the disk, not built
};

class TableBuilder
{
public:
    // Called now and then with the level being built and the share of its
    // positions solved so far (0 .. 1).
    using Progress = std::function<void(int seeds, double done)>;

    // Builds the level of `seeds` seeds; `tables` must hold every level below.
    // A set `cancel` makes it return early with an empty level.
    static TableLevel BuildLevel(const EndgameTables &tables, int seeds, int threads,
                                 LevelStats &stats, const Progress &progress = {},
                                 const std::atomic<bool> *cancel = nullptr);

    // Loads what `directory` holds and builds the rest up to `maxSeeds`, each
    // level written as soon as it is built (a run that stops resumes there).
    // `report` is called after every level.
    static bool BuildInto(const std::string &directory, int maxSeeds, int threads,
                          EndgameTables &tables, std::string &error, const Progress &progress = {},
                          const std::function<void(const LevelStats &)> &report = {},
                          const std::atomic<bool> *cancel = nullptr);

    // Bytes of memory the build up to `maxSeeds` needs at its peak.
    static std::uint64_t PeakMemory(int maxSeeds) noexcept;
};

} // namespace ombrel
