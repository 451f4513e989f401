// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The analysis view: the computer's scores of the houses, searched on a
// thread of its own.

#include "../tools/EngineRun.h"
#include "EndgameTables.h"
#include "MainFormFixture.h"
#include "ai/Search.h"
#include "ui/AnalysisWorker.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

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
    static const EndgameTables none; // so no tables are built in the user's cache
    form->UseEndgameTables(&none);
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

// Tables up to four seeds, built by ombrel-engine in a folder of their own.
class ExactAnalysis : public MainFormFixture
{
protected:
    void SetUp() override
    {
        MainFormFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        const test::EngineRun built = test::engine("tables --seeds 4 --dir " + dir());
        ASSERT_EQ(built.status, 0) << built.out;
        std::string error;
        ASSERT_TRUE(tables.LoadFrom(dir(), 4, error)) << error;
    }
    // The window, and its analysis thread, go before the tables.
    void TearDown() override { form.reset(); }
    std::string dir() const { return folder.path().toStdString(); }
    // What ombrel-engine solve prints for the position.
    QJsonObject Solve(const TBoard &board, int player) const
    {
        QStringList seeds;
        for (const int s : board.Seeds)
            seeds << QString::number(s);
        const test::EngineRun r =
            test::engine("solve --seeds " + seeds.join(',').toStdString() + " --stores " +
                         std::to_string(board.Taken[0]) + "," + std::to_string(board.Taken[1]) +
                         " --player " + std::to_string(player + 1) + " --dir " + dir());
        EXPECT_EQ(r.status, 0) << r.out;
        return QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
    }

    QTemporaryDir folder;
    EndgameTables tables;
};

TBoard SmallBoard(const SeedArray &seeds, StoreArray stores, int mover)
{
    TBoard board;
    InitBoard(board);
    board.Seeds = seeds;
    board.Taken = stores;
    board.Mover = std::uint8_t(mover);
    return board;
}

// In the tables the analysis gives the exact scores ombrel-engine solve
// prints; outside them it is the search's, as without tables.
TEST_F(ExactAnalysis, scoresPositionsInTheTablesAsSolveDoes)
{
    const TBoard inTables[] = {
        SmallBoard({0, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0}, {11, 0}, 0),
        SmallBoard({1, 0, 2, 0, 0, 0, 0, 1, 0, 0, 0, 0}, {3, 5}, 1),
        SmallBoard({0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1}, {0, 0}, 0),
    };
    for (const TBoard &board : inTables) {
        const QJsonObject solved = Solve(board, board.Mover);
        ASSERT_TRUE(solved.value("exact").toBool());
        const QJsonObject scores = solved.value("scores").toObject();
        const AnalysisResult result =
            AnalysisWorker::Analyse(board, board.Mover, 8, nullptr, &tables);
        EXPECT_TRUE(result.Exact);
        EXPECT_TRUE(result.Complete);
        for (int h = 0; h < HouseCount; ++h) {
            SCOPED_TRACE(h);
            const QString key = QString::number(h);
            ASSERT_EQ(result.Scored[std::size_t(h)], scores.contains(key));
            if (scores.contains(key)) {
                EXPECT_EQ(result.Scores[std::size_t(h)], scores.value(key).toInt());
            }
        }
    }
    const TBoard outside = SmallBoard({0, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4}, {0, 0}, 1);
    const AnalysisResult result = AnalysisWorker::Analyse(outside, 1, 4, nullptr, &tables);
    const AnalysisResult searched = AnalysisWorker::Analyse(outside, 1, 4);
    EXPECT_FALSE(result.Exact);
    EXPECT_EQ(result.Scores, searched.Scores);
    EXPECT_EQ(result.Scored, searched.Scored);
}

// The window marks exact scores, in the houses' descriptions too, and a
// hint there says it is proven.
TEST_F(ExactAnalysis, theWindowMarksExactScoresAndHints)
{
    form->UseEndgameTables(&tables);
    ui().Human->trigger();
    const TBoard board = SmallBoard({0, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0}, {11, 0}, 0);
    game().SetBoard(board);
    QSignalSpy finished(&form->Analysis(), &AnalysisWorker::Finished);
    form->findChild<QAction *>("ShowAnalysis")->trigger();
    ASSERT_TRUE(finished.wait(120000));
    EXPECT_EQ(form->PaintBox()->ItemAnalysis(5), "Score 12, exact");
    EXPECT_TRUE(form->PaintBox()->ItemAnalysis(6).isEmpty()); // not Player 1's

    ui().Hint1->trigger();
    EXPECT_TRUE(status().startsWith("Exact hint, proven best: ")) << status().toStdString();
    runToRest();
    game().SetBoard(SmallBoard({0, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4}, {0, 0}, 0));
    ui().Hint1->trigger();
    EXPECT_TRUE(status().startsWith("Hint: ")) << status().toStdString();
    EXPECT_TRUE(messages.empty());
}

} // namespace
