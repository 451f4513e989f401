// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RecordingView.h"
#include "ai/Search.h"

#include <gtest/gtest.h>

using namespace ombrel;
using namespace ombrel::test;

namespace {

// Messages that end a round or the game (a cut sowing only informs).
long roundEnds(const RecordingView &view)
{
    long n = 0;
    for (const auto &m : view.messages)
        n += m.text.rfind("Game over", 0) == 0;
    return n;
}

// Random legal games between two humans: every animated move must end on the
// board the search's simulation predicts, and no seed may appear or vanish.
TEST(RandomGames, animatedMovesMatchTheSearchAndKeepEverySeed)
{
    Random pick(2026);
    long moves = 0, captures = 0;
    for (int gameNo = 0; gameNo < 40; ++gameNo) {
        RecordingView view;
        GameController game(view, std::uint64_t(gameNo));
        game.SetOpponent(OpponentHuman);
        for (int m = 0; m < 400; ++m) {
            const TBoard before = game.Board();
            int playable[HouseCount];
            int count = 0;
            for (int h = 0; h < HouseCount; ++h)
                if (CanPlay(before, before.Mover, h))
                    playable[count++] = h;
            if (count == 0)
                break; // the round was left unfinished or the game is over
            const int house = playable[pick.Below(count)];
            const MoveOutcome expected =
                SimulateMove(OwnerTableFor(before.Player1Houses), before.Mover, house, before.Seeds,
                             before.Taken);
            const auto roundEndsBefore = roundEnds(view);
            game.BoardClick(MouseButton::Right, house);
            ASSERT_TRUE(game.MoveTimerEnabled());
            while (game.MoveTimerEnabled()) {
                game.MoveTimerTimer();
                if (roundEnds(view) == roundEndsBefore) {
                    ASSERT_EQ(SeedTotal(game.Board()), 48);
                }
            }
            ++moves;
            if (roundEnds(view) != roundEndsBefore) {
                // The round ended: a new one was dealt (or the game ended).
                EXPECT_EQ(SeedTotal(game.Board()), 48);
                continue;
            }
            EXPECT_EQ(game.Board().Taken, expected.Stores);
            if (!expected.Cut) {
                EXPECT_EQ(game.Board().Seeds, expected.Seeds);
            }
            EXPECT_EQ(game.LastMoveCut(), expected.Cut);
            captures += expected.Stores[0] + expected.Stores[1] - before.Taken[0] - before.Taken[1];
            EXPECT_EQ(game.Board().Mover, 1 - before.Mover);
        }
    }
    EXPECT_GT(moves, 1000);
    EXPECT_GT(captures, 100);
}

TEST(RandomGames, scoreMoveAgreesWithTheSimulationAtDepthOne)
{
    Random r(99);
    for (int i = 0; i < 2000; ++i) {
        SeedArray seeds{};
        int left = 48;
        for (int h = 0; h < HouseCount && left > 0; ++h) {
            seeds[h] = int(r.Below(std::min(left, 9) + 1));
            left -= seeds[h];
        }
        const int p1 = int(r.Below(13));
        const OwnerTable owners = OwnerTableFor(p1);
        for (int h = 0; h < HouseCount; ++h) {
            if (seeds[h] == 0)
                continue;
            const int m = owners[h];
            const MoveOutcome out = SimulateMove(owners, m, h, seeds, {0, 0});
            int own = 0, other = 0;
            for (int j = 0; j < HouseCount; ++j)
                (owners[j] == m ? own : other) += out.Seeds[j];
            int expected = out.Stores[m] - out.Stores[1 - m];
            if (!out.Cut && other == 0)
                expected += own / GroupSize;
            SearchContext ctx(p1);
            EXPECT_EQ(ScoreMove(1, m, h, seeds, {0, 0}, ctx), expected);
        }
    }
}

} // namespace
