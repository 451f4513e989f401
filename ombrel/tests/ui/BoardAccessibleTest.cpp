// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The board as a screen reader sees it, in-process through QAccessible: one
// button per house, the two stores, names with owner and count, a press that
// is the click, and the events that tell a reader what changed. The tooltips
// say the same.
#include "MainFormFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHelpEvent>
#include <QToolTip>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <vector>

using namespace ombrel;

namespace {

struct HeardEvent
{
    QAccessible::Event type;
    QObject *object;
    int child;
};

// QAccessible takes a plain function; the fixture owns what it records.
std::vector<HeardEvent> *g_heard = nullptr;

void Hear(QAccessibleEvent *event)
{
    if (g_heard)
        g_heard->push_back({event->type(), event->object(), event->child()});
}

class AccessibleFixture : public MainFormFixture
{
protected:
    void SetUp() override
    {
        MainFormFixture::SetUp();
        g_heard = &heard;
        previous = QAccessible::installUpdateHandler(&Hear);
        // Events are sent only while a reader listens; Qt's own tests make
        // one listen this way.
        SetListening(true);
    }
    void TearDown() override
    {
        SetListening(false);
        QAccessible::installUpdateHandler(previous);
        g_heard = nullptr;
    }
    static void SetListening(bool on)
    {
        if (QPlatformAccessibility *platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(on);
    }
    QAccessibleInterface *boardInterface()
    {
        return QAccessible::queryAccessibleInterface(form->PaintBox());
    }
    QString name(int child) { return boardInterface()->child(child)->text(QAccessible::Name); }
    // The board's name changes heard since the last call, as child indices.
    std::vector<int> changedItems()
    {
        QCoreApplication::processEvents();
        std::vector<int> items;
        for (const HeardEvent &e : heard)
            if (e.type == QAccessible::NameChanged && e.object == form->PaintBox())
                items.push_back(e.child);
        heard.clear();
        return items;
    }
    QString toolTipAt(QPoint at)
    {
        QHelpEvent help(QEvent::ToolTip, at, form->PaintBox()->mapToGlobal(at));
        QCoreApplication::sendEvent(form->PaintBox(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    std::vector<HeardEvent> heard;
    QAccessible::UpdateHandler previous = nullptr;
};

} // namespace

TEST_F(AccessibleFixture, boardHasTwelveHouseButtonsAndTwoStores)
{
    QAccessibleInterface *board = boardInterface();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->text(QAccessible::Name), "Board");
    ASSERT_EQ(board->childCount(), 14);
    for (int h = 0; h < 12; ++h) {
        QAccessibleInterface *house = board->child(h);
        EXPECT_EQ(house->role(), QAccessible::Button);
        EXPECT_EQ(house->text(QAccessible::Name),
                  h < 6 ? "Player 1's house, seeds: 4" : "Player 2's house, seeds: 4");
        EXPECT_EQ(house->parent(), board);
        EXPECT_EQ(board->indexOfChild(house), h);
        EXPECT_EQ(board->child(h), house) << "children are made once";
        const QRect cell(form->PaintBox()->mapToGlobal(QPoint(HouseLeft(h), HouseTop(h))),
                         QSize(72, 72));
        EXPECT_EQ(house->rect(), cell);
        EXPECT_EQ(board->childAt(cell.center().x(), cell.center().y()), house);
        ASSERT_NE(house->actionInterface(), nullptr);
        EXPECT_TRUE(house->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    EXPECT_EQ(name(12), "Player 1's captured groups: 0");
    EXPECT_EQ(name(13), "Player 2's captured groups: 0");
    EXPECT_EQ(board->child(12)->role(), QAccessible::StaticText);
    EXPECT_EQ(board->child(12)->actionInterface(), nullptr);
    EXPECT_EQ(board->child(14), nullptr);
    EXPECT_EQ(board->child(11)->text(QAccessible::Description),
              "House 11, top row, column 1 from the left");
}

TEST_F(AccessibleFixture, pressIsTheLeftClickAndTheNamesFollowTheMove)
{
    ui().Human->trigger();
    QAccessibleInterface *house0 = boardInterface()->child(0);
    house0->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents(); // the press is made from the event loop
    EXPECT_TRUE(game().MoveTimerEnabled());
    runToRest();
    // The opening move from house 0, as the rules sow it.
    const int expected[12] = {2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6};
    for (int h = 0; h < 12; ++h)
        EXPECT_EQ(name(h),
                  QString("Player %1's house, seeds: %2").arg(h < 6 ? 1 : 2).arg(expected[h]));
    EXPECT_EQ(status(), "Ready. Player 2 can play now.");
    boardInterface()->child(1)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.size(), 1u); // a refusal is the click's
    EXPECT_EQ(messages[0].text, "You don't own this house!");
}

TEST_F(AccessibleFixture, countAndOwnerChangesAreHeardButTheFlashIsNot)
{
    changedItems();
    clickBoard(houseCentre(2)); // lifts house 2
    EXPECT_EQ(changedItems(), std::vector<int>{2});
    form->MoveTimerTimer(); // sows into house 3
    EXPECT_EQ(changedItems(), std::vector<int>{3});
    for (int i = 0; i < 2000 && !game().FlashTimerEnabled(); ++i)
        form->MoveTimerTimer();
    changedItems();
    for (int tick = 0; tick < 6; ++tick)
        form->FlashTimerTimer(); // the pick blinks: its count does not change
    EXPECT_TRUE(changedItems().empty());
    form->FlashTimerTimer(); // the seventh tick lifts it
    EXPECT_EQ(changedItems(), std::vector<int>{game().ChosenHouse()});
    runToRest();
    changedItems();
    ui().SetupItem->trigger();
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::KeypadModifier); // house 11 changes owner
    EXPECT_EQ(changedItems(), std::vector<int>{11});
}

TEST_F(AccessibleFixture, capturedGroupsAreHeardOnTheStore)
{
    ui().Human->trigger();
    TBoard board = game().Board();
    board.Seeds = {1, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 8}; // house 0 sows into 3 seeds
    game().SetBoard(board);
    changedItems();
    clickBoard(houseCentre(0));
    runToRest();
    ASSERT_GT(game().Board().Taken[0], 0);
    const std::vector<int> items = changedItems();
    EXPECT_NE(std::find(items.begin(), items.end(), FirstStoreItem), items.end());
    EXPECT_EQ(name(FirstStoreItem),
              QString("Player 1's captured groups: %1").arg(game().Board().Taken[0]));
}

TEST_F(AccessibleFixture, focusFollowsTheMarkAndIsHeard)
{
    form->PaintBox()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->PaintBox(), Qt::Key_Tab); // shows the mark
    form->PaintBox()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->PaintBox(), Qt::Key_Up);
    heard.clear();
    QTest::keyClick(form->PaintBox(), Qt::Key_Right);
    ASSERT_EQ(form->PaintBox()->FocusHouse(), 10);
    bool focusHeard = false;
    for (const HeardEvent &e : heard)
        focusHeard |= e.type == QAccessible::Focus && e.child == 10;
    EXPECT_TRUE(focusHeard);
    EXPECT_EQ(boardInterface()->focusChild(), boardInterface()->child(10));
    EXPECT_TRUE(boardInterface()->child(10)->state().focused);
    EXPECT_FALSE(boardInterface()->child(11)->state().focused);
    boardInterface()->child(4)->actionInterface()->doAction(
        QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(form->PaintBox()->FocusHouse(), 4);
}

TEST_F(AccessibleFixture, statusLineChangesAreHeard)
{
    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(ui().StatusLine);
    ASSERT_NE(line, nullptr);
    heard.clear();
    ui().SetupItem->trigger();
    EXPECT_EQ(line->text(QAccessible::Name),
              "Click left or right to modify seeds. Press + or - to modify houses");
    bool statusHeard = false;
    for (const HeardEvent &e : heard)
        statusHeard |= e.object == ui().StatusLine && e.type == QAccessible::NameChanged;
    EXPECT_TRUE(statusHeard);
}

TEST_F(AccessibleFixture, tooltipsNameOwnerAndExactCount)
{
    TBoard board = game().Board();
    board.Seeds[9] = 20; // drawn as the same heap as 9
    board.Seeds[1] = 0;
    board.Taken[1] = 3;
    game().SetBoard(board);
    EXPECT_EQ(toolTipAt(houseCentre(9)), "Player 2's house, seeds: 20");
    EXPECT_EQ(toolTipAt(houseCentre(1)), "Player 1's house, seeds: 0");
    EXPECT_EQ(toolTipAt(QPoint(300, 20)), "Player 2's captured groups: 3");
    EXPECT_EQ(toolTipAt(QPoint(10, 210)), "Player 1's captured groups: 0");
    toolTipAt(QPoint(10, 45)); // between the rows
    // Qt hides the tip on a timer of its own; the bound is only there to
    // end a failing run, a passing one returns as soon as the tip is gone.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 120000));
}
