// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "MainFormFixture.h"
#include "RecordingView.h"
#include "ui/BoardTexts.h"

#include <QAccessible>
#include <QMouseEvent>
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

// The busy test comes before the click is turned into a house.
TEST_F(MainFormFixture, busyClicksOutsideTheColumnsAreRefusedToo)
{
    ui().Human->trigger();
    clickBoard(houseCentre(0));
    for (const QPoint at : {QPoint(432, 150), QPoint(437, 60), QPoint(435, 244)})
        clickBoard(at);
    ASSERT_EQ(messages.size(), 3u);
    for (const auto &m : messages) {
        EXPECT_EQ(m.text, "The other player is still playing. Please wait.");
        EXPECT_EQ(m.caption, "Error");
    }
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
    form->PaintBox()->TakeDrawnRects();
    clickBoard(houseCentre(2));
    EXPECT_EQ(form->PaintBox()->TakeDrawnRects(), QList<QRect>{QRect(144, 122, 72, 72)});
    EXPECT_TRUE(ui().UndoAction->isEnabled());
    form->MoveTimerTimer();
    EXPECT_EQ(game().Board().Seeds[3], 5);
    EXPECT_EQ(form->PaintBox()->TakeDrawnRects(), QList<QRect>{QRect(216, 122, 72, 72)});
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

TEST_F(MainFormFixture, newGameStopsTimersAndSaysPlayerOneIsToMove)
{
    ui().Human->trigger();
    clickBoard(houseCentre(0));
    form->MoveTimerTimer();
    ui().NewGame->trigger();
    EXPECT_FALSE(form->MoveTimer().isActive());
    EXPECT_FALSE(ui().UndoAction->isEnabled());
    EXPECT_EQ(game().Board().Seeds[0], 4);
    EXPECT_EQ(status(), "Ready. Player 1 can play now.");
    EXPECT_EQ(form->PaintBox()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainFormFixture, busyCommandsAreRefusedWithATextThatNamesNoOne)
{
    ui().Human->trigger();
    clickBoard(houseCentre(0));
    ui().UndoAction->trigger();
    ui().Play1->trigger();
    ui().Turn1->trigger();
    QTest::keyClick(form.get(), Qt::Key_H);
    ASSERT_EQ(messages.size(), 4u);
    for (const auto &m : messages) {
        EXPECT_EQ(m.text, "Please wait until the current move or hint is over.");
        EXPECT_EQ(m.caption, "Error");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
    }
}

// Buttons sit where the layout puts them: a leading 8-pixel separator, then
// 27-pixel buttons and 8-pixel separators.
TEST_F(MainFormFixture, toolbarButtonsSitAtTheirColumns)
{
    const std::pair<const char *, int> columns[] = {
        {"ToolButton1", 8}, {"ToolButton3", 43},  {"HumanBtn", 78},      {"Level1Btn", 105},
        {"Level2Btn", 132}, {"Level3Btn", 159},   {"Level4Btn", 186},    {"Level5Btn", 213},
        {"StopBtn", 248},   {"SetSpeedBtn", 283}, {"ToolButton16", 318},
    };
    for (const auto &[name, x] : columns) {
        auto *button = ui().ToolBar1->findChild<QToolButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->geometry().left(), x) << name;
    }
}

// What a screen reader lists on the toolbar: every control has a name, also
// the button Qt adds for the tools that do not fit.
TEST_F(MainFormFixture, everyToolbarControlHasAnAccessibleName)
{
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(ui().ToolBar1);
    ASSERT_NE(bar, nullptr);
    int controls = 0, gaps = 0;
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface *child = bar->child(i);
        ASSERT_NE(child, nullptr);
        const QAccessible::Role role = child->role();
        const QObject *object = child->object();
        // The gaps between the groups are no controls and need no name.
        if (role == QAccessible::Separator || (object && object->inherits("QToolBarSeparator"))) {
            ++gaps;
            continue;
        }
        ++controls;
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty())
            << (object ? object->objectName().toStdString() : "?") << " role " << int(role);
    }
    EXPECT_GE(controls, 12); // eleven tools and the "more" button
    EXPECT_EQ(gaps, 6);
    auto *more = ui().ToolBar1->findChild<QToolButton *>("qt_toolbar_ext_button");
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more->accessibleName(), "More commands");
}

// Highlighting a menu title shows that menu's hint; only Edit has one.
TEST_F(MainFormFixture, everyMenuTitleShowsItsHint)
{
    const std::pair<QMenu *, QString> menus[] = {
        {ui().FileMenu, ""}, {ui().EditItem, "Edit"}, {ui().OptionsMenu, ""}, {ui().HelpMenu, ""}};
    for (const auto &[menu, hint] : menus) {
        ui().StatusLine->showMessage("before");
        const QPoint title = ui().MainMenu->actionGeometry(menu->menuAction()).center();
        QMouseEvent move(QEvent::MouseMove, title, ui().MainMenu->mapToGlobal(title), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ui().MainMenu, &move);
        EXPECT_EQ(status(), hint) << menu->title().toStdString();
    }
}

TEST_F(MainFormFixture, missingManualIsAUsersError)
{
    form->setHelpFile("/nonexistent/ombrel.html");
    ui().HelpContents->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Error");
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(form->findChild<QWidget *>("HelpWindow"), nullptr);
}

// A set-up position that would sow for ever: the window shows the start of
// the sowing, then the rest at once, and says why the move stopped.
TEST_F(MainFormFixture, endlessSowingEndsQuicklyWithAWord)
{
    ui().Human->trigger();
    TBoard board = game().Board();
    board.Seeds = {1, 0, 2, 1, 0, 1, 0, 2, 1, 2, 0, 2};
    board.Mover = 1;
    game().SetBoard(board);
    clickBoard(houseCentre(9));
    int ticks = 0;
    for (; ticks < 5000 && form->MoveTimer().isActive(); ++ticks)
        form->MoveTimerTimer();
    EXPECT_LT(ticks, 3 * EndlessSeedsShown);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Ombrel");
    EXPECT_NE(messages[0].text.find("500 seeds"), std::string::npos);
    EXPECT_TRUE(game().LastMoveCut());
    EXPECT_EQ(status(), "Ready. Player 1 can play now.");
    EXPECT_EQ(form->PaintBox()->cursor().shape(), Qt::PointingHandCursor);
    ui().UndoAction->trigger();
    EXPECT_EQ(game().Board().Seeds, board.Seeds);
    ui().NewGame->trigger();
    EXPECT_EQ(game().Board().Seeds[9], 4);
}

// A whole two-player game through the window, clicks and ticks, ends exactly
// as the same moves played on a bare controller.
TEST_F(MainFormFixture, wholeGameThroughTheWindowMatchesTheController)
{
    answer = MessageAnswer::Yes;
    ui().ComputerMedium->trigger();
    game().Rng().Seed(7);
    test::RecordingView view;
    GameController bare(view, 7);
    bare.SetOpponent(OpponentMedium);
    int moves = 0;
    for (; moves < 3000 && status() != "Game over."; ++moves) {
        const TBoard &b = game().Board();
        int house = -1;
        for (int h = 0; h < HouseCount; ++h)
            if (CanPlay(b, b.Mover, h) && (house < 0 || (moves * 7 + h) % 3 == 0))
                house = h;
        ASSERT_GE(house, 0) << "no move at " << moves;
        clickBoard(houseCentre(house), moves % 2 ? Qt::RightButton : Qt::LeftButton);
        runToRest(100000);
        bare.BoardClick(MouseButton::Left, house);
        while (bare.MoveTimerEnabled() || bare.FlashTimerEnabled()) {
            test::finishFlash(bare);
            test::finishMove(bare);
        }
        ASSERT_EQ(game().Board().Seeds, bare.Board().Seeds) << "move " << moves;
        ASSERT_EQ(game().Board().Taken, bare.Board().Taken) << "move " << moves;
        ASSERT_EQ(game().Board().Mover, bare.Board().Mover) << "move " << moves;
        ASSERT_EQ(status().toStdString(), view.status()) << "move " << moves;
    }
    EXPECT_EQ(status(), "Game over.");
    EXPECT_GT(moves, 20);
    EXPECT_FALSE(ui().UndoAction->isEnabled());
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

namespace {

// The blink alone is silent for a screen reader: the status line, which it
// reads, names the hinted house and the house the computer is about to sow.
TEST_F(MainFormFixture, hintAndComputerChoiceAreNamedOnTheStatusLine)
{
    QTest::keyClick(form.get(), Qt::Key_H);
    ASSERT_TRUE(game().HintMode());
    const int hinted = game().ChosenHouse();
    EXPECT_EQ(
        status(),
        QString("Hint: Player 1's house, seeds: 4. %1.").arg(BoardTexts::HouseDescription(hinted)));
    runToRest();
    clickBoard(houseCentre(0));
    for (int i = 0; i < 2000 && !game().FlashTimerEnabled(); ++i)
        form->MoveTimerTimer();
    ASSERT_TRUE(game().FlashTimerEnabled());
    const int chosen = game().ChosenHouse();
    EXPECT_EQ(status(), QString("The computer plays %1. %2.")
                            .arg(BoardTexts::HouseName(1, game().Board().Seeds[chosen]),
                                 BoardTexts::HouseDescription(chosen)));
}

} // namespace
