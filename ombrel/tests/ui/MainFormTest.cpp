// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "MainFormFixture.h"

#include <QStatusTipEvent>
#include <QToolButton>

using namespace ombrel;

namespace {

const char *const ReadyText = "Ready. Player 1 can play now. Click on a house to start moving.";

} // namespace

TEST_F(MainFormFixture, startsWithDifficultCheckedAndUndoStopDisabled)
{
    EXPECT_EQ(form->windowTitle(), "Ombrel");
    EXPECT_TRUE(ui().ComputerDifficult->isChecked());
    auto *level3 = ui().ToolBar1->findChild<QToolButton *>("Level3Btn");
    ASSERT_NE(level3, nullptr);
    EXPECT_TRUE(level3->isChecked());
    EXPECT_FALSE(ui().UndoAction->isEnabled());
    EXPECT_FALSE(ui().StopAction->isEnabled());
    EXPECT_FALSE(ui().SetupItem->isChecked());
    EXPECT_FALSE(ui().Hint1->isVisible());
    EXPECT_EQ(status(), ReadyText);
    EXPECT_EQ(form->PaintBox()->size(), QSize(438, 245));
    EXPECT_FALSE(form->MoveTimer().isActive());
    EXPECT_FALSE(form->FlashTimer().isActive());
}

TEST_F(MainFormFixture, actionsCarryShortAndLongHintsAndShortcuts)
{
    EXPECT_EQ(ui().NewGame->toolTip(), "New game");
    EXPECT_EQ(ui().NewGame->statusTip(), "Start a new game");
    EXPECT_EQ(ui().HelpContents->toolTip(), "Help");
    EXPECT_EQ(ui().HelpContents->statusTip(), "Get online help");
    EXPECT_EQ(ui().NewGame->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(ui().UndoAction->shortcut(), QKeySequence(Qt::Key_Backspace));
    EXPECT_EQ(ui().StopAction->shortcut(), QKeySequence(Qt::Key_Space));
    EXPECT_EQ(ui().ComputerExtremelyDifficult->shortcut(), QKeySequence(Qt::Key_F9));
    auto *newButton = ui().ToolBar1->findChild<QToolButton *>("ToolButton1");
    ASSERT_NE(newButton, nullptr);
    EXPECT_EQ(newButton->size(), QSize(27, 26));
    EXPECT_EQ(newButton->iconSize(), QSize(20, 20));
}

TEST_F(MainFormFixture, statusTipsAndOwnTextsShareTheStatusLine)
{
    QStatusTipEvent hover(ui().NewGame->statusTip());
    QCoreApplication::sendEvent(form.get(), &hover);
    EXPECT_EQ(status(), "Start a new game");
    QStatusTipEvent leave(QString{});
    QCoreApplication::sendEvent(form.get(), &leave);
    EXPECT_EQ(status(), "");
    clickBoard(houseCentre(0));
    form->MoveTimerTimer();
    EXPECT_EQ(status(), "Player 1 is playing...");
}

TEST_F(MainFormFixture, opponentIsOneRadioAcrossMenuAndToolbar)
{
    auto *level5 = ui().ToolBar1->findChild<QToolButton *>("Level5Btn");
    auto *human = ui().ToolBar1->findChild<QToolButton *>("HumanBtn");
    QTest::mouseClick(level5, Qt::LeftButton);
    EXPECT_EQ(game().Opponent(), OpponentExtremelyDifficult);
    EXPECT_TRUE(ui().ComputerExtremelyDifficult->isChecked());
    EXPECT_FALSE(ui().ComputerDifficult->isChecked());
    ui().Human->trigger();
    EXPECT_EQ(game().Opponent(), OpponentHuman);
    EXPECT_TRUE(human->isChecked());
    EXPECT_FALSE(level5->isChecked());
    ui().Human->trigger(); // triggering the checked one keeps it checked
    EXPECT_TRUE(ui().Human->isChecked());
}

TEST_F(MainFormFixture, clicksSelectHousesByColumnAndRow)
{
    ui().Human->trigger();
    clickBoard(QPoint(0, 122)); // bottom-left corner of house 0
    EXPECT_TRUE(game().MoveTimerEnabled());
    EXPECT_EQ(game().Board().Seeds[0], 0);
    runToRest();
    EXPECT_EQ(game().Board().Mover, 1);
    clickBoard(QPoint(431, 121), Qt::RightButton); // house 6, right button plays too
    EXPECT_EQ(game().Board().Seeds[6], 0);
    runToRest();
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainFormFixture, clicksOutsideTheColumnsDoNothing)
{
    ui().Human->trigger();
    const TBoard before = game().Board();
    clickBoard(QPoint(432, 150));
    clickBoard(QPoint(437, 60));
    EXPECT_FALSE(game().MoveTimerEnabled());
    EXPECT_EQ(game().Board().Seeds, before.Seeds);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainFormFixture, refusalsShowWarningBoxes)
{
    ui().Human->trigger();
    clickBoard(houseCentre(8)); // Player 2's house
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "You don't own this house!");
    EXPECT_EQ(messages[0].caption, "Error");
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    clickBoard(houseCentre(0));
    clickBoard(houseCentre(1)); // still sowing
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "The other player is still playing. Please wait.");
    runToRest();
    TBoard board = game().Board();
    board.Seeds[7] = 0;
    board.Seeds[0] += 0;
    game().SetBoard(board);
    clickBoard(houseCentre(7));
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, "This house is empty!");
}

TEST_F(MainFormFixture, humanMoveRepaintsOneCellPerTick)
{
    ui().Human->trigger();
    form->TakeDrawnRects();
    clickBoard(houseCentre(2));
    EXPECT_EQ(form->TakeDrawnRects(), QList<QRect>{QRect(144, 122, 72, 72)});
    EXPECT_TRUE(ui().UndoAction->isEnabled());
    form->MoveTimerTimer();
    EXPECT_EQ(game().Board().Seeds[3], 5);
    EXPECT_EQ(form->TakeDrawnRects(), QList<QRect>{QRect(216, 122, 72, 72)});
    EXPECT_EQ(status(), "Player 1 is playing...");
    EXPECT_EQ(form->PaintBox()->cursor().shape(), Qt::WaitCursor);
    runToRest();
    EXPECT_FALSE(form->MoveTimer().isActive());
    EXPECT_EQ(form->PaintBox()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(SeedTotal(game().Board()), 48);
}

TEST_F(MainFormFixture, computerRepliesAfterAFlash)
{
    ui().ComputerEasy->trigger();
    clickBoard(houseCentre(0));
    for (int i = 0; i < 100 && !game().FlashTimerEnabled(); ++i)
        form->MoveTimerTimer();
    ASSERT_TRUE(game().FlashTimerEnabled());
    EXPECT_TRUE(form->FlashTimer().isActive());
    EXPECT_FALSE(ui().StopAction->isEnabled());
    for (int tick = 1; tick <= FlashTicksForMove; ++tick)
        form->FlashTimerTimer();
    EXPECT_FALSE(form->FlashTimer().isActive());
    EXPECT_TRUE(form->MoveTimer().isActive());
    runToRest();
    EXPECT_EQ(game().Board().Mover, 0);
}

TEST_F(MainFormFixture, hintFlashesTwiceAndPlaysNothing)
{
    const TBoard before = game().Board();
    QTest::keyClick(form.get(), Qt::Key_H);
    EXPECT_TRUE(game().HintMode());
    form->FlashTimerTimer();
    form->FlashTimerTimer();
    EXPECT_FALSE(game().HintMode());
    EXPECT_FALSE(form->FlashTimer().isActive());
    EXPECT_EQ(game().Board().Seeds, before.Seeds);
}

TEST_F(MainFormFixture, newGameKeepsTheStatusAndStopsTimers)
{
    ui().Human->trigger();
    clickBoard(houseCentre(0));
    form->MoveTimerTimer();
    ui().NewGame->trigger();
    EXPECT_FALSE(form->MoveTimer().isActive());
    EXPECT_FALSE(ui().UndoAction->isEnabled());
    EXPECT_EQ(game().Board().Seeds[0], 4);
    EXPECT_EQ(status(), "Player 1 is playing...");
}

TEST_F(MainFormFixture, turnAtTheStartHandsTheFirstMoveToPlayer2)
{
    ui().ComputerEasy->trigger();
    ui().Turn1->trigger();
    EXPECT_EQ(game().Board().Mover, 1);
    EXPECT_EQ(game().ComputerSide(), 0);
    EXPECT_FALSE(form->MoveTimer().isActive());
    EXPECT_FALSE(form->FlashTimer().isActive());
    clickBoard(houseCentre(9));
    EXPECT_TRUE(messages.empty());
    runToRest();
    EXPECT_EQ(game().Board().Mover, 1); // the computer, now Player 1, has replied
}

TEST_F(MainFormFixture, setupModeEditsSeedsAndTheSplit)
{
    ui().SetupItem->trigger();
    EXPECT_TRUE(ui().SetupItem->isChecked());
    EXPECT_TRUE(game().SetupMode());
    clickBoard(houseCentre(3));
    EXPECT_EQ(game().Board().Seeds[3], 5);
    for (int i = 0; i < 6; ++i)
        clickBoard(houseCentre(3), Qt::RightButton);
    EXPECT_EQ(game().Board().Seeds[3], 0);
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(game().Board().Player1Houses, 7);
    QTest::keyClick(form.get(), Qt::Key_Plus); // the main keyboard's plus
    EXPECT_EQ(game().Board().Player1Houses, 7);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(form.get(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(game().Board().Player1Houses, 0);
    ui().SetupItem->trigger();
    EXPECT_FALSE(ui().SetupItem->isChecked());
    EXPECT_FALSE(game().SetupMode());
}

TEST_F(MainFormFixture, stopOnlyWorksWhileEnabled)
{
    EXPECT_FALSE(ui().StopAction->isEnabled());
    QTest::keyClick(form.get(), Qt::Key_Space);
    EXPECT_FALSE(game().StopRequested());
}

TEST_F(MainFormFixture, helpFileIsFoundAndShown)
{
    // The suite runs from bin/ of the build tree, beside share/ombrel/help.
    ASSERT_FALSE(TMainForm::HelpFilePath().isEmpty());
    ui().HelpContents->trigger();
    auto *help = form->findChild<QWidget *>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
}
