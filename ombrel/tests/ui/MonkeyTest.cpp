// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "MainFormFixture.h"

#include <random>

using namespace ombrel;

namespace {

struct MonkeyCase
{
    int level;
    int steps;
    bool setup; // allow setup mode (the seed total may then change)
};

class MonkeyTest : public MainFormFixture, public ::testing::WithParamInterface<MonkeyCase>
{
protected:
    void act(std::mt19937 &rng)
    {
        std::uniform_int_distribution<int> kind(0, 15);
        std::uniform_int_distribution<int> x(-5, 445), y(-5, 250);
        switch (kind(rng)) {
        case 0:
        case 1:
        case 2:
            clickBoard(QPoint(std::clamp(x(rng), 0, 437), std::clamp(y(rng), 0, 244)),
                       rng() % 4 == 0 ? Qt::RightButton : Qt::LeftButton);
            break;
        case 3:
        case 4:
        case 5:
        case 6:
            if (game().FlashTimerEnabled())
                form->FlashTimerTimer();
            else
                form->MoveTimerTimer();
            break;
        case 7:
            ui().UndoAction->trigger();
            break;
        case 8:
            if (rng() % 8 == 0)
                ui().NewGame->trigger();
            break;
        case 9:
            ui().Hint1->trigger();
            break;
        case 10:
            if (rng() % 4 == 0)
                ui().Turn1->trigger();
            break;
        case 11:
            if (rng() % 4 == 0)
                ui().Play1->trigger();
            break;
        case 12:
            if (GetParam().setup)
                ui().SetupItem->trigger();
            break;
        case 13:
            QTest::keyClick(form.get(), rng() % 2 ? Qt::Key_Plus : Qt::Key_Minus,
                            rng() % 2 ? Qt::KeypadModifier : Qt::NoModifier);
            break;
        case 14:
            ui().StopAction->trigger();
            break;
        default:
            QTest::keyClick(form.get(), Qt::Key_A);
            break;
        }
    }

    void check()
    {
        const TBoard &b = game().Board();
        ASSERT_GE(b.SowHouse, -1);
        ASSERT_LT(b.SowHouse, HouseCount);
        ASSERT_GE(game().ChosenHouse(), 0);
        ASSERT_LT(game().ChosenHouse(), HouseCount);
        ASSERT_GE(b.Player1Houses, 0);
        ASSERT_LE(b.Player1Houses, HouseCount);
        for (int s : b.Seeds)
            ASSERT_GE(s, 0);
        if (!GetParam().setup) {
            ASSERT_EQ(SeedTotal(b), 48);
        }
        ASSERT_EQ(ui().UndoAction->isEnabled(), game().UndoEnabled());
        ASSERT_EQ(ui().StopAction->isEnabled(), game().StopEnabled());
        ASSERT_EQ(form->MoveTimer().isActive(), game().MoveTimerEnabled());
        ASSERT_EQ(form->FlashTimer().isActive(), game().FlashTimerEnabled());
        ASSERT_EQ(ui().SetupItem->isChecked(), game().SetupMode());
    }
};

TEST_P(MonkeyTest, randomInputKeepsTheGameSound)
{
    std::mt19937 rng(1234 + GetParam().level);
    const std::array<QAction *, 6> levels = {ui().Human,
                                             ui().ComputerEasy,
                                             ui().ComputerMedium,
                                             ui().ComputerDifficult,
                                             ui().ComputerVeryDifficult,
                                             ui().ComputerExtremelyDifficult};
    levels[GetParam().level - 1]->trigger();
    int movesStarted = 0;
    for (int i = 0; i < GetParam().steps; ++i) {
        answer = rng() % 2 ? MessageAnswer::Yes : MessageAnswer::No;
        const bool wasMoving = game().MoveTimerEnabled();
        act(rng);
        movesStarted += !wasMoving && game().MoveTimerEnabled();
        ASSERT_NO_FATAL_FAILURE(check()) << "step " << i;
    }
    // The monkey must really play, not knock on a finished game.
    EXPECT_GE(movesStarted, GetParam().steps / 200);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, MonkeyTest,
                         ::testing::Values(MonkeyCase{1, 3000, false}, MonkeyCase{2, 3000, false},
                                           MonkeyCase{3, 1500, false}, MonkeyCase{4, 150, false},
                                           MonkeyCase{5, 60, false}, MonkeyCase{6, 30, false},
                                           MonkeyCase{1, 2000, true}, MonkeyCase{2, 1500, true}));

} // namespace
