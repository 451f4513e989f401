// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The analysis view's search: the score of every house the player to move
// can play, by the computer's search (the scores `ombrel-engine score`
// prints), or, for a position in the endgame tables, the exact scores the
// tables give (those `ombrel-engine solve` prints), computed on a thread of
// its own from a copy of the position so that the window never waits. A new position cancels the
// search under way; only the newest result is delivered, on the window's thread.

#include "rules/Board.h"

#include <QObject>

#include <array>
#include <atomic>
#include <cstdint>
#include <thread>

namespace ombrel {

class EndgameTables;

struct AnalysisResult
{
    std::array<int, HouseCount> Scores{};
    std::array<bool, HouseCount> Scored{}; // the house can be played and was searched
    bool Complete = false;                 // false: cancelled before the end
    bool Exact = false;                    // the scores are the endgame tables'
};

class AnalysisWorker : public QObject
{
    Q_OBJECT

public:
    explicit AnalysisWorker(QObject *parent = nullptr);
    ~AnalysisWorker() override;
    AnalysisWorker(const AnalysisWorker &) = delete;
    AnalysisWorker &operator=(const AnalysisWorker &) = delete;

    // The search itself, on the caller's thread: `player`'s houses on
    // `board`, `depth` moves deep (at least 1). Stops early once `cancel` is
    // set (then Complete is false). A position `tables` hold (may be null)
    // is not searched: its scores are exact.
    static AnalysisResult Analyse(const TBoard &board, int player, int depth,
                                  const std::atomic<bool> *cancel = nullptr,
                                  const EndgameTables *tables = nullptr);

    // Cancels the search under way and starts one on a copy of `board`.
    // `tables` must stay unchanged while the search runs.
    void Start(const TBoard &board, int player, int depth, const EndgameTables *tables = nullptr);
    // Cancels the search under way; its result is dropped.
    void Cancel();
    bool Running() const noexcept { return m_thread.joinable() && !m_done; }

signals:
    void Finished(const ombrel::AnalysisResult &result);

private:
    void Join();

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{true};
    std::uint64_t m_generation = 0;
};

} // namespace ombrel
