// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The analysis view: the computer's scores of the houses, searched on a
// thread of its own.

#include "MainFormFixture.h"
#include "ai/Search.h"
#include "ui/AnalysisWorker.h"

#include <QSignalSpy>

using namespace ombrel;

namespace {

struct AnalysisCase
{
    SeedArray seeds;
    int player;
    int depth;
};

class AnalysisScores : public ::testing::TestWithParam<AnalysisCase>
{
};

// The same scores as the search the computer plays with (and
// ombrel-engine score prints) for the same position and depth.
TEST_P(AnalysisScores, equalTheSearchsScores)
{
    TBoard board;
    InitBoard(board);
    board.Seeds = GetParam().seeds;
    board.Mover = std::uint8_t(GetParam().player);
    const AnalysisResult result =
        AnalysisWorker::Analyse(board, GetParam().player, GetParam().depth);
    ASSERT_TRUE(result.Complete);
    SearchContext context(board.Player1Houses);
    const Candidates c = CollectCandidates(GetParam().depth, GetParam().player, board, context);
    for (int h = 0; h < HouseCount; ++h) {
        EXPECT_EQ(result.Scored[std::size_t(h)], c.Tried[std::size_t(h)]) << h;
        if (c.Tried[std::size_t(h)]) {
            EXPECT_EQ(result.Scores[std::size_t(h)], c.Scores[std::size_t(h)]) << h;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, AnalysisScores,
                         ::testing::Values(AnalysisCase{{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 0, 1},
                                           AnalysisCase{{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 0, 4},
                                           AnalysisCase{{0, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4}, 1, 6},
                                           AnalysisCase{
                                               {3, 0, 7, 1, 0, 2, 9, 0, 3, 3, 1, 0}, 0, 8}));

// A set cancel flag stops the search: its result is marked incomplete.
TEST(AnalysisWorker, aCancelledSearchSaysSo)
{
    TBoard board;
    InitBoard(board);
    const std::atomic<bool> cancel{true};
    EXPECT_FALSE(AnalysisWorker::Analyse(board, 0, 8, &cancel).Complete);
}

TEST(AnalysisWorker, depthFollowsTheLevel)
{
    EXPECT_EQ(TMainForm::AnalysisDepth(OpponentHuman), 8);
    EXPECT_EQ(TMainForm::AnalysisDepth(OpponentEasy), 1);
    EXPECT_EQ(TMainForm::AnalysisDepth(OpponentDifficult), 4);
    EXPECT_EQ(TMainForm::AnalysisDepth(OpponentExtremelyDifficult), 8);
    EXPECT_EQ(TMainForm::AnalysisDepth(OpponentMaster), 8);
}

// Off at start; on, the houses of the player to move get their scores, in
// their descriptions too, and a move replaces them with the new position's.
TEST_F(MainFormFixture, theAnalysisShowsTheScoresOfThePositionOnTheBoard)
{
    auto *showAnalysis = form->findChild<QAction *>("ShowAnalysis");
    ASSERT_NE(showAnalysis, nullptr);
    EXPECT_FALSE(showAnalysis->isChecked());
    EXPECT_TRUE(form->PaintBox()->ItemAnalysis(0).isEmpty());
    ui().ComputerMedium->trigger();

    QSignalSpy finished(&form->Analysis(), &AnalysisWorker::Finished);
    showAnalysis->trigger();
    ASSERT_TRUE(finished.wait(120000));
    TBoard board = game().Board();
    AnalysisResult expected = AnalysisWorker::Analyse(board, board.Mover, 2);
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(form->PaintBox()->ItemAnalysis(h),
                  expected.Scored[std::size_t(h)]
                      ? QString("Score %1").arg(expected.Scores[std::size_t(h)])
                      : QString())
            << h;

    ui().Human->trigger();
    clickBoard(houseCentre(2));
    EXPECT_TRUE(form->PaintBox()->ItemAnalysis(2).isEmpty()); // none while sowing
    runToRest();
    ASSERT_TRUE(finished.wait(120000));
    board = game().Board();
    expected = AnalysisWorker::Analyse(board, board.Mover, 8);
    for (int h = 0; h < HouseCount; ++h)
        if (expected.Scored[std::size_t(h)]) {
            EXPECT_EQ(form->PaintBox()->ItemAnalysis(h),
                      QString("Score %1").arg(expected.Scores[std::size_t(h)]))
                << h;
        }

    showAnalysis->trigger();
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_TRUE(form->PaintBox()->ItemAnalysis(h).isEmpty());
}

} // namespace
