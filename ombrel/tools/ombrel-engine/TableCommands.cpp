// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "TableCommands.h"

#include "EndgameTables.h"
#include "PositionIndex.h"
#include "TableBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include <unistd.h>

namespace ombrel {

namespace {

// A bar on stderr, redrawn at most ten times a second, only on a terminal.
class ProgressBar
{
public:
    ProgressBar() : m_enabled(isatty(fileno(stderr)) != 0) {}
    void Show(int seeds, double done)
    {
        if (!m_enabled)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < std::chrono::milliseconds(100) && done < 1)
            return;
        m_last = now;
        const int width = 40;
        const int filled = int(done * width + 0.5);
        std::fprintf(stderr, "\rombrel-engine: %2d seeds [%.*s%*s] %3d%%", seeds, filled,
                     "########################################", width - filled, "",
                     int(done * 100 + 0.5));
        std::fflush(stderr);
        m_shown = true;
    }
    void Clear()
    {
        if (m_shown)
            std::fputs("\r\033[K", stderr);
        m_shown = false;
    }

private:
    bool m_enabled;
    bool m_shown = false;
    std::chrono::steady_clock::time_point m_last{};
};

} // namespace

int RunTablesCommand(int maxSeeds, int threads, const std::string &directory)
{
    EndgameTables tables;
    std::string error;
    std::string levels;
    std::uint64_t built = 0;
    double buildSeconds = 0;
    ProgressBar bar;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = TableBuilder::BuildInto(
        directory, maxSeeds, threads, tables, error,
        [&](int seeds, double done) { bar.Show(seeds, done); },
        [&](const LevelStats &s) {
            bar.Clear();
            char line[256];
            std::snprintf(line, sizeof line,
                          "%s{\"seeds\": %d, \"positions\": %llu, \"endless\": %llu, "
                          "\"sweeps\": %d, \"seconds\": %.3f, \"loaded\": %s}",
                          levels.empty() ? "" : ", ", s.Seeds,
                          static_cast<unsigned long long>(s.Positions),
                          static_cast<unsigned long long>(s.Endless), s.Sweeps, s.Seconds,
                          s.Loaded ? "true" : "false");
            levels += line;
            if (!s.Loaded) {
                built += s.Positions;
                buildSeconds += s.Seconds;
            }
        });
    bar.Clear();
    if (!ok) {
        std::fprintf(stderr, "ombrel-engine: %s\n", error.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("{\"directory\": \"%s\", \"levels\": [%s], \"built_positions\": %llu, "
                "\"seconds\": %.3f, \"positions_per_second\": %.0f, \"peak_memory_bytes\": %llu}\n",
                directory.c_str(), levels.c_str(), static_cast<unsigned long long>(built), seconds,
                buildSeconds > 0 ? double(built) / buildSeconds : 0.0,
                static_cast<unsigned long long>(TableBuilder::PeakMemory(maxSeeds)));
    return 0;
}

bool PrepareTables(const std::string &directory, int seeds, EndgameTables &tables)
{
    std::string error;
    ProgressBar bar;
    const bool ok = TableBuilder::BuildInto(
        directory, seeds, int(std::max(1u, std::thread::hardware_concurrency())), tables, error,
        [&](int level, double done) { bar.Show(level, done); });
    bar.Clear();
    if (!ok)
        std::fprintf(stderr, "ombrel-engine: %s\n", error.c_str());
    return ok;
}

int RunSolveCommand(const TBoard &board, int player, const std::string &directory)
{
    EndgameTables tables;
    std::string error;
    if (!tables.LoadFrom(directory, MaxTableSeeds, error)) {
        std::fprintf(stderr, "ombrel-engine: %s\n", error.c_str());
        return 1;
    }
    int seeds = 0;
    for (const int s : board.Seeds)
        seeds += s;
    EndgameTables::MoveValues moves;
    if (!tables.ProbeMoves(board.Seeds, board.Player1Houses, player, moves)) {
        std::printf("{\"exact\": false, \"message\": \"not in the tables (%d seeds on the board, "
                    "tables up to %d)\"}\n",
                    seeds, tables.MaxSeeds());
        return 0;
    }
    int value = 0;
    tables.Probe(board.Seeds, board.Player1Houses, player, value);
    const int stores = board.Taken[player] - board.Taken[1 - player];
    std::string houses;
    std::string best;
    for (int h = 0; h < HouseCount; ++h) {
        if (!moves.Playable[h])
            continue;
        houses += (houses.empty() ? "\"" : ", \"") + std::to_string(h) +
                  "\": " + std::to_string(moves.Values[h] + stores);
        if (moves.Values[h] == moves.Best)
            best += (best.empty() ? "" : ", ") + std::to_string(h);
    }
    std::printf("{\"exact\": true, \"seeds\": %d, \"score\": %d, \"rest_of_round\": %d, "
                "\"scores\": {%s}, \"best\": [%s]}\n",
                seeds, value + stores, value, houses.c_str(), best.c_str());
    return 0;
}

} // namespace ombrel
