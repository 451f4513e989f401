// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "LadderCommand.h"

#include "GameController.h"
#include "SelfPlay.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include <unistd.h>

namespace ombrel {

namespace {

constexpr int FirstLevel = OpponentEasy;
constexpr int LastLevel = OpponentMaster;
constexpr int OpeningMoves = 2;

const char *const LevelNames[] = {
    "Easy", "Medium", "Difficult", "Very Difficult", "Extremely Difficult", "Master"};

} // namespace

std::vector<EloRating> RateLevels(const std::vector<std::vector<double>> &score,
                                  const std::vector<std::vector<double>> &games)
{
    // Bradley-Terry strengths by minorization-maximization, with one drawn
    // game added to every pair that met, so that a clean sweep stays finite.
    const std::size_t n = score.size();
    std::vector<double> gamma(n, 1.0);
    const auto played = [&](std::size_t i, std::size_t j) {
        return games[i][j] + games[j][i] > 0 ? games[i][j] + games[j][i] + 1 : 0.0;
    };
    const auto won = [&](std::size_t i, std::size_t j) {
        return games[i][j] + games[j][i] > 0 ? score[i][j] + 0.5 : 0.0;
    };
    for (int round = 0; round < 2000; ++round) {
        std::vector<double> next(n);
        for (std::size_t i = 0; i < n; ++i) {
            double wins = 0;
            double denominator = 0;
            for (std::size_t j = 0; j < n; ++j) {
                if (i == j)
                    continue;
                wins += won(i, j);
                denominator += played(i, j) / (gamma[i] + gamma[j]);
            }
            next[i] = denominator > 0 ? wins / denominator : gamma[i];
        }
        for (std::size_t i = 0; i < n; ++i)
            gamma[i] = next[i] / next[0];
    }
    std::vector<EloRating> out(n);
    const double scale = 400 / std::log(10.0);
    for (std::size_t i = 0; i < n; ++i) {
        out[i].Elo = scale * std::log(gamma[i]);
        double information = 0;
        for (std::size_t j = 0; j < n; ++j) {
            if (i == j)
                continue;
            const double p = gamma[i] / (gamma[i] + gamma[j]);
            information += played(i, j) * p * (1 - p);
        }
        out[i].Margin = i == 0 || information <= 0 ? 0 : 1.96 * scale / std::sqrt(information);
    }
    return out;
}

int RunLadderCommand(long games, double seconds, std::uint64_t seed, const EndgameTables *tables)
{
    constexpr int Count = LastLevel - FirstLevel + 1;
    std::vector<std::vector<double>> score(Count, std::vector<double>(Count, 0));
    std::vector<std::vector<double>> played(Count, std::vector<double>(Count, 0));
    SelfPlayLimits limits;
    limits.RandomOpeningMoves = OpeningMoves;
    limits.MasterSeconds = seconds;
    limits.Tables = tables;
    const bool terminal = isatty(fileno(stderr)) != 0;
    const auto start = std::chrono::steady_clock::now();
    std::string pairs;
    std::uint64_t gameSeed = seed;
    for (int a = 0; a < Count; ++a) {
        for (int b = a + 1; b < Count; ++b) {
            for (long g = 0; g < games; ++g) {
                if (terminal)
                    std::fprintf(stderr, "\rombrel-engine: %s against %s, game %ld of %ld\033[K",
                                 LevelNames[a], LevelNames[b], g + 1, games);
                // The same opening is played twice, each level opening once.
                const bool aFirst = g % 2 == 0;
                const SelfPlayResult r =
                    PlaySelfGame(FirstLevel + (aFirst ? a : b), FirstLevel + (aFirst ? b : a),
                                 gameSeed + std::uint64_t(g / 2), limits);
                const double forA = !r.Finished ? 0.5 : ((r.Winner == 0) == aFirst ? 1.0 : 0.0);
                score[a][b] += forA;
                score[b][a] += 1 - forA;
                played[a][b] += 1;
            }
            gameSeed += std::uint64_t(games);
            char line[200];
            std::snprintf(line, sizeof line,
                          "%s{\"levels\": [%d, %d], \"games\": %ld, \"score\": [%.1f, %.1f]}",
                          pairs.empty() ? "" : ", ", FirstLevel + a, FirstLevel + b, games,
                          score[a][b], score[b][a]);
            pairs += line;
        }
    }
    if (terminal)
        std::fputs("\r\033[K", stderr);
    const std::vector<EloRating> elo = RateLevels(score, played);
    std::string ratings;
    for (int i = 0; i < Count; ++i) {
        char line[200];
        std::snprintf(line, sizeof line,
                      "%s{\"level\": %d, \"name\": \"%s\", \"elo\": %.0f, "
                      "\"margin\": %.0f}",
                      i ? ", " : "", FirstLevel + i, LevelNames[i], elo[i].Elo, elo[i].Margin);
        ratings += line;
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("{\"pairs\": [%s], \"ratings\": [%s], \"master_seconds\": %.3f, "
                "\"seconds\": %.1f}\n",
                pairs.c_str(), ratings.c_str(), seconds, elapsed);
    return 0;
}

} // namespace ombrel
