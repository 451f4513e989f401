// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Commands that arrive while the computer searches inside the window: the
// search pumps the window's events, so Stop and closing the window run on top
// of it.
#include "MainFormFixture.h"

#include <QTimer>

#include <functional>

namespace {

struct DuringSearch
{
    bool ran = false;
    bool searching = false;
    bool stopEnabled = false;
};

} // namespace

class SearchInWindow : public MainFormFixture
{
protected:
    // Plays house 0 against Extremely Difficult and runs `command` from the
    // first event the computer's search pumps. The window pumps when 10 ms
    // have passed since its last pump, so waiting first makes that the first
    // pump of the search, whatever the speed of the machine.
    DuringSearch playAndDuringTheReply(const std::function<void()> &command)
    {
        ui().ComputerExtremelyDifficult->trigger();
        clickBoard(houseCentre(0));
        QTest::qWait(20);
        DuringSearch seen;
        QTimer::singleShot(0, form.get(), [&] {
            seen = {true, game().IsSearching(), ui().StopAction->isEnabled()};
            command();
        });
        runToRest();
        return seen;
    }
};

TEST_F(SearchInWindow, spaceStopsTheSearchAndTheComputerStillMoves)
{
    const DuringSearch seen =
        playAndDuringTheReply([this] { QTest::keyClick(form.get(), Qt::Key_Space); });
    ASSERT_TRUE(seen.ran);
    EXPECT_TRUE(seen.searching);
    EXPECT_TRUE(seen.stopEnabled);
    EXPECT_FALSE(ui().StopAction->isEnabled());
    EXPECT_FALSE(game().IsSearching());
    // The reply was played: Player 1 is to move again, with Undo available.
    EXPECT_EQ(game().Board().Mover, 0);
    EXPECT_TRUE(ui().UndoAction->isEnabled());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SearchInWindow, closingDuringTheSearchClosesOnceItHasUnwound)
{
    const DuringSearch seen = playAndDuringTheReply([this] { form->close(); });
    ASSERT_TRUE(seen.ran);
    EXPECT_TRUE(seen.searching);
    // The abandoned search plays nothing; the window closes right after.
    EXPECT_FALSE(game().FlashTimerEnabled());
    EXPECT_FALSE(game().MoveTimerEnabled());
    EXPECT_EQ(game().Board().Mover, 1);
    QTRY_VERIFY(!form->isVisible());
    EXPECT_FALSE(form->MoveTimer().isActive());
    EXPECT_FALSE(form->FlashTimer().isActive());
}

TEST_F(SearchInWindow, boardClicksDuringTheSearchAreRefused)
{
    const DuringSearch seen = playAndDuringTheReply([this] { clickBoard(houseCentre(1)); });
    ASSERT_TRUE(seen.ran);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, ombrel::MessageIcon::Warning);
    EXPECT_EQ(game().Board().Mover, 0);
}
