// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameRecorder.h"

#include "GameFile.h"
#include "GameReplay.h"
#include "RecordedGame.h"

#include <gtest/gtest.h>

namespace ombrel::test {
namespace {

// Two people play with every command that changes the game, in a seeded
// order, while the recorder is told what happened; after every command the
// record replays to the controller's board, and it reads back from its file.
class RecorderSession
{
public:
    explicit RecorderSession(const TBoard &start) : m_game(m_view, 7)
    {
        m_view.SetMessageHandler(
            [this](const std::string &text, const std::string &, MessageButtons) {
                if (text.rfind("Game over", 0) == 0)
                    m_newRound = true;
                return MessageAnswer::Yes;
            });
        m_game.SetOpponent(OpponentHuman);
        m_game.SetBoard(start);
        m_recorder.NewGame(start);
        m_recorder.SetPlayers(OpponentHuman, 1);
    }

    void Command(unsigned choice)
    {
        const TBoard &board = m_game.Board();
        if (choice % 10 == 0) {
            m_game.Turn1Click();
            m_recorder.Turned();
        } else if (choice % 10 <= 2) {
            const std::size_t before = m_game.History().Size();
            m_game.UndoActionExecute();
            if (m_game.History().Size() < before)
                m_recorder.Undone(m_game.Board());
        } else {
            for (int i = 0; i < HouseCount; ++i) {
                const int h = int(choice + unsigned(i)) % HouseCount;
                if (CanPlay(board, board.Mover, h)) {
                    Play(h);
                    break;
                }
            }
        }
    }

    void ExpectRecordReplaysToTheBoard() const
    {
        const GameReplay replay = GameReplay::Run(m_recorder.Record());
        ASSERT_TRUE(replay.Ok()) << replay.Failure().English();
        EXPECT_EQ(replay.Final().Seeds, m_game.Board().Seeds);
        EXPECT_EQ(replay.Final().Taken, m_game.Board().Taken);
        EXPECT_EQ(replay.Final().Mover, m_game.Board().Mover);
        EXPECT_EQ(replay.Final().Player1Houses, m_game.Board().Player1Houses);
    }

    const GameRecorder &Recorder() const { return m_recorder; }

private:
    void Play(int house)
    {
        m_recorder.MoveStarted(m_game.Board().Mover, house);
        m_newRound = false;
        m_game.BoardClick(MouseButton::Left, house);
        RunTimers(m_game, 1000000);
        if (m_newRound)
            m_recorder.RoundStarted();
    }

    HeadlessView m_view;
    GameController m_game;
    GameRecorder m_recorder;
    bool m_newRound = false;
};

class GameRecorderTest : public testing::TestWithParam<bool>
{
};

TEST_P(GameRecorderTest, theRecordAlwaysReplaysToTheBoardOnScreen)
{
    TBoard start;
    InitBoard(start);
    if (GetParam())
        start = SetUpBoard();
    RecorderSession session(start);
    EXPECT_EQ(session.Recorder().Record().Start.has_value(), GetParam());
    unsigned random = 12345;
    for (int command = 0; command < 400; ++command) {
        random = random * 1103515245u + 12345u;
        session.Command(random >> 16);
        SCOPED_TRACE(command);
        session.ExpectRecordReplaysToTheBoard();
        if (HasFailure())
            return;
    }
    EXPECT_GT(session.Recorder().Record().MoveCount(), 100u);
    const GameFile::ReadResult read =
        GameFile::Parse(GameFile::Format(session.Recorder().Record()));
    ASSERT_TRUE(read.Ok()) << read.Error.English();
    EXPECT_EQ(read.Record, session.Recorder().Record());
}

INSTANTIATE_TEST_SUITE_P(FromTheOpeningAndASetUpBoard, GameRecorderTest, testing::Bool());

TEST(GameRecorder, anUndoAfterATurnKeepsThePlayerToMove)
{
    TBoard start;
    InitBoard(start);
    RecorderSession session(start);
    session.Command(3);  // Player 1 moves
    session.Command(10); // Turn: Player 1 again
    session.Command(1);  // Undo: the first board, with Player 2 to move
    session.ExpectRecordReplaysToTheBoard();
    EXPECT_EQ(session.Recorder().Record().Entries, std::vector<RecordEntry>{RecordEntry::Turn()});
}

} // namespace
} // namespace ombrel::test
