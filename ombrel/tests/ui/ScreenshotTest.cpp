// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Writes pictures of the window for a person to look at; checks only that
// the board is drawn at all.
#include "MainFormFixture.h"

#include "ui/AnalysisWorker.h"

#include <QImage>
#include <QSignalSpy>

using namespace ombrel;

namespace {

QImage shoot(ombrel::TMainForm &form, const char *name)
{
    QApplication::processEvents();
    const QImage image = form.grab().toImage();
    image.save(QString(OMBREL_SCREENSHOT_DIR) + "/" + name);
    return image;
}

} // namespace

TEST_F(MainFormFixture, writesScreenshotsOfTheOpeningAndMidMove)
{
    const QImage opening = shoot(*form, "ombrel-opening.png");
    ASSERT_FALSE(opening.isNull());
    const QPoint house0 = form->PaintBox()->mapTo(form.get(), QPoint(36, 122 + 36));
    EXPECT_NE(opening.pixelColor(house0), form->palette().color(QPalette::Window));

    ui().Human->trigger();
    clickBoard(houseCentre(4));
    form->MoveTimerTimer();
    form->MoveTimerTimer();
    const QImage midMove = shoot(*form, "ombrel-mid-move.png");
    EXPECT_NE(midMove, opening);
}

// The score line and the move list, after a few moves.
TEST_F(MainFormFixture, writesAScreenshotOfTheMoveList)
{
    ui().Human->trigger();
    for (const int house : {4, 7, 2, 9}) {
        clickBoard(houseCentre(house));
        runToRest();
    }
    ui().MoveListAction->trigger();
    const QImage image = shoot(*form, "ombrel-move-list.png");
    EXPECT_GT(image.width(), form->PaintBox()->width());
}

// The analysis under the houses of the player to move.
TEST_F(MainFormFixture, writesAScreenshotOfTheAnalysis)
{
    auto *showAnalysis = form->findChild<QAction *>("ShowAnalysis");
    ASSERT_NE(showAnalysis, nullptr);
    QSignalSpy finished(&form->Analysis(), &AnalysisWorker::Finished);
    showAnalysis->trigger();
    ASSERT_TRUE(finished.wait(120000));
    const QImage image = shoot(*form, "ombrel-analysis.png");
    EXPECT_FALSE(image.isNull());
}
