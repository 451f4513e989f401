// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/AnalysisWorker.h"

#include "EndgameTables.h"
#include "ai/Search.h"

#include <QMetaObject>

namespace ombrel {

namespace {

// The search reads a plain flag on its own thread; the pump, called at every
// node on that thread, copies the shared atomic flag into it.
struct StopBridge
{
    const std::atomic<bool> *Cancel = nullptr;
    bool Stop = false;
};

void CheckCancel(void *data)
{
    auto *bridge = static_cast<StopBridge *>(data);
    if (bridge->Cancel && bridge->Cancel->load(std::memory_order_relaxed))
        bridge->Stop = true;
}

// The tables score the rest of the round; the stores so far make it the
// round's final difference, as the search counts it.
bool ProbeTables(const EndgameTables &tables, const TBoard &board, int player,
                 AnalysisResult &result)
{
    EndgameTables::MoveValues moves;
    if (!tables.ProbeMoves(board.Seeds, board.Player1Houses, player, moves))
        return false;
    const int stores = board.Taken[std::size_t(player)] - board.Taken[std::size_t(1 - player)];
    for (std::size_t h = 0; h < std::size_t(HouseCount); ++h) {
        result.Scored[h] = moves.Playable[h];
        result.Scores[h] = moves.Playable[h] ? moves.Values[h] + stores : 0;
    }
    result.Complete = true;
    result.Exact = true;
    return true;
}

} // namespace

AnalysisWorker::AnalysisWorker(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<ombrel::AnalysisResult>();
}

AnalysisWorker::~AnalysisWorker()
{
    Cancel();
}

AnalysisResult AnalysisWorker::Analyse(const TBoard &board, int player, int depth,
                                       const std::atomic<bool> *cancel, const EndgameTables *tables)
{
    AnalysisResult exact;
    if (tables && ProbeTables(*tables, board, player, exact))
        return exact;
    StopBridge bridge{cancel, false};
    SearchContext context(board.Player1Houses);
    context.Stop = &bridge.Stop;
    context.Pump = &CheckCancel;
    context.PumpData = &bridge;
    const Candidates c = CollectCandidates(depth < 1 ? 1 : depth, player, board, context);
    AnalysisResult result;
    for (int h = 0; h < HouseCount; ++h) {
        result.Scored[std::size_t(h)] = c.Tried[std::size_t(h)];
        result.Scores[std::size_t(h)] = int(c.Scores[std::size_t(h)]);
    }
    result.Complete = !bridge.Stop;
    return result;
}

void AnalysisWorker::Start(const TBoard &board, int player, int depth, const EndgameTables *tables)
{
    Cancel();
    m_cancel = false;
    m_done = false;
    const std::uint64_t generation = ++m_generation;
    m_thread = std::thread([this, board, player, depth, tables, generation] {
        const AnalysisResult result = Analyse(board, player, depth, &m_cancel, tables);
        m_done = true;
        if (!result.Complete)
            return;
        // Delivered on the window's thread; dropped if a newer search started
        // or this object is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, result, generation] {
                if (generation == m_generation && !m_cancel)
                    emit Finished(result);
            },
            Qt::QueuedConnection);
    });
}

void AnalysisWorker::Cancel()
{
    m_cancel = true;
    Join();
}

void AnalysisWorker::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace ombrel
