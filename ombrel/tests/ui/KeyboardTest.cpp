// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Playing with the keys alone, on the real window: the board takes the focus,
// the arrows move the mark as the player sees the board, Return is a left
// click and the setup keys are its clicks, with the clicks' messages.
#include "MainFormFixture.h"

#include <QImage>
#include <QPalette>
#include <QPixmap>

using namespace ombrel;

namespace {

class KeyboardFixture : public MainFormFixture
{
protected:
    QWidget *board() { return form->PaintBox(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(board(), k, modifiers);
    }
    // Shows the mark, then walks to `house` along the bottom row and up.
    void focusHouse(int house)
    {
        key(Qt::Key_Tab);
        board()->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 6; ++i)
            key(Qt::Key_Left);
        key(Qt::Key_Down);
        const int column = house < 6 ? house : 11 - house;
        for (int i = 0; i < column; ++i)
            key(Qt::Key_Right);
        if (house >= 6)
            key(Qt::Key_Up);
        ASSERT_EQ(form->PaintBox()->FocusHouse(), house);
    }
};

} // namespace

TEST_F(KeyboardFixture, boardTakesTheFocusButShowsNoMarkUntilAKey)
{
    EXPECT_EQ(board()->focusPolicy(), Qt::StrongFocus);
    board()->setFocus(Qt::ActiveWindowFocusReason);
    ASSERT_TRUE(board()->hasFocus());
    EXPECT_FALSE(form->PaintBox()->FocusMarkShown());
    key(Qt::Key_Right); // the first arrow only shows where the keyboard is
    EXPECT_TRUE(form->PaintBox()->FocusMarkShown());
    EXPECT_EQ(form->PaintBox()->FocusHouse(), 0);
    key(Qt::Key_Right);
    EXPECT_EQ(form->PaintBox()->FocusHouse(), 1);
}

TEST_F(KeyboardFixture, tabShowsTheMarkAndAClickHidesItAndMovesIt)
{
    key(Qt::Key_Tab);
    board()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(form->PaintBox()->FocusMarkShown());
    ui().Human->trigger();
    QTest::mousePress(board(), Qt::LeftButton, Qt::NoModifier, houseCentre(9));
    QTest::mouseRelease(board(), Qt::LeftButton, Qt::NoModifier, houseCentre(9));
    EXPECT_FALSE(form->PaintBox()->FocusMarkShown());
    EXPECT_EQ(form->PaintBox()->FocusHouse(), 9);
    ASSERT_EQ(messages.size(), 1u); // the click itself was a click
    EXPECT_EQ(messages[0].text, "You don't own this house!");
}

TEST_F(KeyboardFixture, arrowsWalkTheRowsInScreenOrder)
{
    focusHouse(0);
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Up, 10},    {Qt::Key_Left, 11}, {Qt::Key_Left, 11},
        {Qt::Key_Up, 11},   {Qt::Key_Right, 10}, {Qt::Key_Down, 1},  {Qt::Key_Down, 1},
    };
    for (const auto &[k, house] : walk) {
        key(k);
        EXPECT_EQ(form->PaintBox()->FocusHouse(), house) << "after key " << k;
    }
}

TEST_F(KeyboardFixture, returnSowsTheMarkedHouseLikeALeftClick)
{
    ui().Human->trigger();
    focusHouse(2);
    key(Qt::Key_Return);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(game().Board().Seeds[2], 0);
    EXPECT_TRUE(game().MoveTimerEnabled());
    EXPECT_TRUE(ui().UndoAction->isEnabled());
    key(Qt::Key_Enter, Qt::KeypadModifier); // while sowing: the click's refusal
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "The other player is still playing. Please wait.");
    runToRest();
    EXPECT_EQ(status(), "Ready. Player 2 can play now.");
}

TEST_F(KeyboardFixture, refusalsAreTheClicksMessages)
{
    ui().Human->trigger();
    focusHouse(8);
    key(Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "You don't own this house!");
    EXPECT_EQ(messages[0].caption, "Error");
    TBoard emptied = game().Board();
    emptied.Seeds[0] = 0;
    emptied.Seeds[1] += 4;
    game().SetBoard(emptied);
    focusHouse(0);
    key(Qt::Key_Return);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "This house is empty!");
    EXPECT_FALSE(game().MoveTimerEnabled());
}

TEST_F(KeyboardFixture, setupKeysAddAndTakeSeedsAndTheKeypadKeepsItsMeaning)
{
    focusHouse(4);
    key(Qt::Key_Insert); // outside setup mode these keys do nothing
    key(Qt::Key_Delete);
    EXPECT_EQ(game().Board().Seeds[4], 4);
    EXPECT_FALSE(game().MoveTimerEnabled());
    ui().SetupItem->trigger();
    key(Qt::Key_Insert);
    key(Qt::Key_Plus);
    key(Qt::Key_Plus, Qt::ShiftModifier); // + is shifted on many keyboards
    EXPECT_EQ(game().Board().Seeds[4], 7);
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Delete);
    key(Qt::Key_Minus);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Minus);
    EXPECT_EQ(game().Board().Seeds[4], 0); // and never below
    key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(game().Board().Player1Houses, 7);
    EXPECT_EQ(game().Board().Seeds[4], 0);
    key(Qt::Key_Minus, Qt::KeypadModifier);
    key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(game().Board().Player1Houses, 5);
    EXPECT_EQ(game().Board().Seeds[4], 0);
    key(Qt::Key_Return); // a left click in setup mode adds a seed
    EXPECT_EQ(game().Board().Seeds[4], 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(KeyboardFixture, setupKeysWhileTheComputerPlaysGetTheBusyMessage)
{
    focusHouse(1);
    key(Qt::Key_Return); // Player 1 sows; the computer answers with a flash
    for (int i = 0; i < 2000 && !game().FlashTimerEnabled(); ++i)
        form->MoveTimerTimer();
    ASSERT_TRUE(game().FlashTimerEnabled());
    ui().SetupItem->trigger();
    const auto before = game().Board().Seeds;
    key(Qt::Key_Insert);
    key(Qt::Key_Delete);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "The other player is still playing. Please wait.");
    EXPECT_EQ(messages[1].text, "The other player is still playing. Please wait.");
    EXPECT_EQ(game().Board().Seeds, before);
}

// The mark is two rings in the cell's margin, light outside, dark inside, and
// the house's picture begins right after them. Their straight edges lie on
// whole pixels, so every device pixel there is one of the two colours exactly,
// at 1x and at 2x (this suite runs again with QT_SCALE_FACTOR=2).
TEST_F(KeyboardFixture, focusMarkIsSharpAndReadsOnBothHouseColours)
{
    focusHouse(3); // Player 1's orange house
    const QPalette &colours = board()->palette();
    const QColor dark = colours.color(QPalette::WindowText);
    const QColor light = colours.color(QPalette::Base);
    for (int house : {3, 8}) { // 8: Player 2's yellow house
        if (house == 8)
            focusHouse(8);
        const QImage picture = board()->grab().toImage();
        const qreal dpr = picture.devicePixelRatio();
        const int x = HouseLeft(house);
        const int y = HouseTop(house) + HouseSize / 2;
        for (int dx = 0; dx < int(8 * dpr); ++dx) {
            const QColor seen = picture.pixelColor(int(x * dpr) + dx, int(y * dpr));
            if (dx < int(1 * dpr)) {
                EXPECT_EQ(seen, light) << "house " << house << " device pixel " << dx;
            } else if (dx < int(3 * dpr)) {
                EXPECT_EQ(seen, dark) << "house " << house << " device pixel " << dx;
            } else if (dx >= int(4 * dpr)) {
                // the picture itself, untouched by the mark
                EXPECT_NE(seen, dark) << "house " << house << " device pixel " << dx;
                EXPECT_NE(seen, light) << "house " << house << " device pixel " << dx;
            }
        }
    }
    const QImage marked = board()->grab().toImage();
    QTest::mouseClick(board(), Qt::LeftButton, Qt::NoModifier, QPoint(435, 240));
    const QImage unmarked = board()->grab().toImage();
    EXPECT_NE(marked, unmarked);
    EXPECT_FALSE(form->PaintBox()->FocusMarkShown());
}
