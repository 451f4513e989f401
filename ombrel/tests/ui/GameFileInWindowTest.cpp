// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Games kept and opened again in the window, Redo, and the score line.

#include "MainFormFixture.h"
#include "record/GameFile.h"
#include "ui/MoveListPanel.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

using namespace ombrel;

namespace {

// What a saved game must bring back: the board between moves.
void ExpectSamePosition(const TBoard &a, const TBoard &b)
{
    EXPECT_EQ(a.Seeds, b.Seeds);
    EXPECT_EQ(a.Taken, b.Taken);
    EXPECT_EQ(a.Mover, b.Mover);
    EXPECT_EQ(a.Player1Houses, b.Player1Houses);
}

void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(text), text.size());
}

class GameFileInWindow : public MainFormFixture
{
protected:
    // A house the player to move can sow (the same ones in every run), or -1.
    int SomePlayable()
    {
        const TBoard &board = game().Board();
        std::vector<int> houses;
        for (int h = 0; h < HouseCount; ++h)
            if (CanPlay(board, board.Mover, h))
                houses.push_back(h);
        if (houses.empty())
            return -1;
        return houses[std::size_t(pick++ * 7 % houses.size())];
    }

    // Clicks a playable house of the player to move and lets the move, and
    // the computer's answer if any, run out.
    bool PlayOneMove()
    {
        const int h = SomePlayable();
        if (h < 0)
            return false;
        clickBoard(houseCentre(h));
        runToRest();
        return true;
    }

    QString PathOf(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    unsigned pick = 0;
};

} // namespace

// A whole game against the computer, saved and opened in a new window, stands
// in the same position there, with the same players.
TEST_F(GameFileInWindow, aWholeGameAgainstTheComputerOpensInANewWindowAsItWasLeft)
{
    answer = MessageAnswer::Yes; // every "Continue?" goes on
    ui().ComputerEasy->trigger();
    int moves = 0;
    while (!game().GameOver() && moves < 20000) {
        ASSERT_TRUE(PlayOneMove()) << "move " << moves;
        ++moves;
    }
    ASSERT_TRUE(game().GameOver())
        << status().toStdString() << " round " << game().Round() << " messages " << messages.size()
        << " last " << (messages.empty() ? "" : messages.back().text) << " taken "
        << game().Board().Taken[0] << " p1h " << int(game().Board().Player1Houses);
    EXPECT_EQ(form->ScoreText(), "Game over");
    EXPECT_GT(game().Round(), 1);
    ASSERT_TRUE(form->SaveGameTo(PathOf("whole.ombrel")));

    TMainForm second;
    std::vector<QString> boxes;
    second.setMessageHandler(
        [&boxes](const QString &text, const QString &, MessageButtons, MessageIcon) {
            boxes.push_back(text);
            return MessageAnswer::Ok;
        });
    ASSERT_TRUE(second.OpenGameFrom(PathOf("whole.ombrel")));
    EXPECT_TRUE(boxes.empty());
    ExpectSamePosition(second.Controller().Board(), game().Board());
    EXPECT_EQ(second.Controller().Opponent(), OpponentEasy);
    EXPECT_EQ(second.Controller().ComputerSide(), game().ComputerSide());
    EXPECT_EQ(second.Controller().Round(), game().Round());
    EXPECT_EQ(second.Record().Entries, form->Record().Entries);
}

// A game part-played by hand, with a Turn and an Undo in it, comes back too.
TEST_F(GameFileInWindow, aGameWithTurnAndUndoOpensAsItWasLeft)
{
    ui().Human->trigger();
    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(PlayOneMove());
    ui().Turn1->trigger();
    ASSERT_TRUE(PlayOneMove());
    ASSERT_TRUE(PlayOneMove());
    ui().UndoAction->trigger();
    const TBoard left = game().Board();
    ASSERT_TRUE(form->SaveGameTo(PathOf("turn.ombrel")));
    ui().NewGame->trigger();
    ASSERT_TRUE(form->OpenGameFrom(PathOf("turn.ombrel")));
    ExpectSamePosition(game().Board(), left);
    EXPECT_EQ(game().Opponent(), OpponentHuman);
    EXPECT_TRUE(messages.empty());
}

// Every kind of damage is refused in an "Error" box naming what is wrong and
// the line, and the game on the board goes on untouched.
TEST_F(GameFileInWindow, aDamagedFileIsRefusedAndTheBoardStaysAsItWas)
{
    ui().Human->trigger();
    ASSERT_TRUE(PlayOneMove());
    ASSERT_TRUE(PlayOneMove());
    ASSERT_TRUE(form->SaveGameTo(PathOf("good.ombrel")));
    QFile good(PathOf("good.ombrel"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray text = good.readAll();
    ASSERT_TRUE(text.endsWith("end\n"));
    const QByteArray body = text.left(text.size() - 4);

    struct Damage
    {
        const char *name;
        QByteArray text;
        const char *expected; // part of the message
    };
    const Damage damages[] = {
        {"truncated", body, "Line"},
        {"notOwner", body + "P1 7\nend\n", "Line"},
        {"notAGameFile", "hello\n", "Line 1"},
        {"lineTooLong", "ombrel-game 1\n# " + QByteArray(400, 'x') + "\n", "Line 2"},
        {"textAfterEnd", text + "P1 0\n", "Line"},
        {"tooLarge", QByteArray(int(GameFile::MaxBytes) + 1, '#'), ""},
    };
    // The board and record before: a move in progress would not do.
    ASSERT_TRUE(PlayOneMove());
    const TBoard before = game().Board();
    const GameRecord recordBefore = form->Record();
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.name);
        const QString path = PathOf("damaged.ombrel");
        WriteText(path, damage.text);
        messages.clear();
        EXPECT_FALSE(form->OpenGameFrom(path));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].caption, "Error");
        EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
        EXPECT_NE(messages[0].text.find(damage.expected), std::string::npos) << messages[0].text;
        ExpectSamePosition(game().Board(), before);
        EXPECT_EQ(form->Record(), recordBefore);
    }
    messages.clear();
    EXPECT_FALSE(form->OpenGameFrom(PathOf("missing.ombrel")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Error");
    ExpectSamePosition(game().Board(), before);
}

// Redo plays again what Undo took back, newest first, until a new move.
TEST_F(GameFileInWindow, redoPlaysAgainWhatUndoTookBack)
{
    ui().Human->trigger();
    EXPECT_FALSE(ui().RedoAction->isEnabled());
    const TBoard start = game().Board();
    ASSERT_TRUE(PlayOneMove());
    const TBoard afterFirst = game().Board();
    ASSERT_TRUE(PlayOneMove());
    const TBoard afterSecond = game().Board();
    EXPECT_FALSE(ui().RedoAction->isEnabled());

    ui().UndoAction->trigger();
    ui().UndoAction->trigger();
    ExpectSamePosition(game().Board(), start);
    ASSERT_TRUE(ui().RedoAction->isEnabled());
    ui().RedoAction->trigger();
    EXPECT_FALSE(ui().RedoAction->isEnabled()); // not while the move is sown
    runToRest();
    ExpectSamePosition(game().Board(), afterFirst);
    ASSERT_TRUE(ui().RedoAction->isEnabled());
    ui().RedoAction->trigger();
    runToRest();
    ExpectSamePosition(game().Board(), afterSecond);
    EXPECT_FALSE(ui().RedoAction->isEnabled());
    EXPECT_EQ(form->Record().MoveCount(), 2u);

    // A new move drops what was left to redo.
    ui().UndoAction->trigger();
    ASSERT_TRUE(ui().RedoAction->isEnabled());
    ASSERT_TRUE(PlayOneMove());
    EXPECT_FALSE(ui().RedoAction->isEnabled());
    const TBoard now = game().Board();
    ui().RedoAction->trigger();
    ExpectSamePosition(game().Board(), now);
}

TEST_F(GameFileInWindow, redoHasItsTwoKeys)
{
    const QList<QKeySequence> keys = ui().RedoAction->shortcuts();
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[0], QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(keys[1], QKeySequence(Qt::SHIFT | Qt::Key_Backspace));
    EXPECT_EQ(ui().SaveGame->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(ui().OpenGame->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
}

// The score line sits right of the status text, which it leaves alone.
TEST_F(GameFileInWindow, theScoreLineCountsTheRoundAndTheGroups)
{
    auto *line = ui().StatusLine->findChild<QLabel *>("ScoreLine");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text().replace('\n', ' '), "Round 1 - Player 1: 0, Player 2: 0");
    EXPECT_EQ(line->text(), "Round 1 - Player 1: 0,\nPlayer 2: 0"); // on two lines
    EXPECT_EQ(line->accessibleName(), "Round 1 - Player 1: 0, Player 2: 0");
    EXPECT_EQ(status(), "Ready. Player 1 can play now. Click on a house to start moving.");
    TBoard board = game().Board();
    board.Taken = {7, 3};
    game().SetBoard(board);
    EXPECT_EQ(line->text().replace('\n', ' '), "Round 1 - Player 1: 7, Player 2: 3");
    ASSERT_TRUE(game().LoadGame(board, OpponentHuman, 1, 2));
    EXPECT_EQ(line->text().replace('\n', ' '), "Round 2 - Player 1: 7, Player 2: 3");
    ui().NewGame->trigger();
    EXPECT_EQ(line->text().replace('\n', ' '), "Round 1 - Player 1: 0, Player 2: 0");
}

// The move list is hidden at start; it lists the start and every entry, and
// choosing a row shows the position the rules give after it.
TEST_F(GameFileInWindow, theMoveListReplaysTheGame)
{
    MoveListPanel *panel = form->MoveList();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(ui().MoveListAction->isChecked());
    ui().Human->trigger();
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(PlayOneMove());
    ui().MoveListAction->trigger();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->List()->count(), 7);
    EXPECT_EQ(panel->List()->currentRow(), 6);
    EXPECT_EQ(panel->List()->item(1)->text().left(19), "Round 1, Player 1: ");

    const GameRecord whole = form->Record();
    const GameReplay replay = GameReplay::Run(whole);
    for (int i = -1; i < 6; ++i) {
        SCOPED_TRACE(i);
        panel->List()->setCurrentRow(i + 1);
        const TBoard expected = i < 0 ? whole.StartBoard() : replay.After(std::size_t(i));
        ExpectSamePosition(game().Board(), expected);
        EXPECT_EQ(form->Browsing(), i < 5);
    }
    // Back, then Forward, by their keys.
    QTest::keyClick(form.get(), Qt::Key_Left, Qt::AltModifier);
    ExpectSamePosition(game().Board(), replay.After(4));
    QTest::keyClick(form.get(), Qt::Key_Home, Qt::AltModifier);
    ExpectSamePosition(game().Board(), whole.StartBoard());
    QTest::keyClick(form.get(), Qt::Key_Right, Qt::AltModifier);
    ExpectSamePosition(game().Board(), replay.After(0));

    // Saved while browsing: the whole game.
    ASSERT_TRUE(form->SaveGameTo(PathOf("browsing.ombrel")));
    EXPECT_EQ(GameFile::Read(PathOf("browsing.ombrel").toStdString()).Record.Entries,
              whole.Entries);

    // A move from here asks first; No leaves everything as it is.
    answer = MessageAnswer::No;
    const TBoard shown = game().Board();
    clickBoard(houseCentre(SomePlayable()));
    runToRest();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, MessageButtons::YesNo);
    ExpectSamePosition(game().Board(), shown);
    EXPECT_TRUE(form->Browsing());
    answer = MessageAnswer::Yes;
    ASSERT_TRUE(PlayOneMove());
    EXPECT_FALSE(form->Browsing());
    EXPECT_EQ(form->Record().Entries.size(), 2u);
    EXPECT_EQ(panel->List()->count(), 3);
    EXPECT_EQ(form->Record().Entries[0], whole.Entries[0]);
}

// A game opened with the computer to move goes on with its move; Undo then
// takes back that move and the one the file brought, and Redo is offered.
TEST_F(GameFileInWindow, anOpenedGameGoesOnAndItsMovesCanBeUndone)
{
    GameRecord record;
    record.Date = "2026-12-09T10:03:02Z";
    record.Opponent = OpponentEasy;
    record.ComputerSide = 1;
    record.AddMove(0, 2);
    ASSERT_FALSE(GameFile::Write(PathOf("computer.ombrel").toStdString(), record));
    ui().Human->trigger();
    ASSERT_TRUE(form->OpenGameFrom(PathOf("computer.ombrel")));
    EXPECT_TRUE(game().FlashTimerEnabled());
    runToRest();
    ASSERT_EQ(form->Record().Entries.size(), 2u);
    EXPECT_EQ(form->Record().Entries[1].Player, 1);
    EXPECT_EQ(game().Board().Mover, 0);

    ui().UndoAction->trigger();
    ui().UndoAction->trigger();
    EXPECT_EQ(game().Board().Seeds, record.StartBoard().Seeds);
    EXPECT_TRUE(form->Record().Entries.empty());
    EXPECT_FALSE(ui().UndoAction->isEnabled());
    EXPECT_TRUE(ui().RedoAction->isEnabled());
    EXPECT_TRUE(messages.empty());
}
