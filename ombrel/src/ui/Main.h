// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The main window: the commands, the dialogs and the status line around the
// board (BoardView, named PaintBox1 in the form). It owns the game controller
// and is its view; every handler is a thin call into the controller, every
// GameView call a thin change of the widgets.

#include "controller/GameController.h"
#include "controller/GameView.h"
#include "record/GameFileError.h"
#include "record/GameRecorder.h"
#include "ui/BoardView.h"
#include "ui/TableLoader.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QActionGroup;
class QDialog;
class QLabel;

namespace Ui {
class TMainForm;
}

namespace ombrel {

class EndgameTables;
class HelpWindow;
class AnalysisWorker;
class MoveListPanel;
class TAboutBox;
class TSpeedDlg;

class TMainForm : public QMainWindow, public GameView
{
    Q_OBJECT

public:
    // Answers a message box instead of the modal QMessageBox (tests); it gets
    // the texts as the box would show them, translated.
    using MessageHandler = std::function<MessageAnswer(const QString &text, const QString &caption,
                                                       MessageButtons buttons, MessageIcon icon)>;

    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    GameController &Controller() noexcept { return *m_controller; }
    BoardView *PaintBox() const;
    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }
    QTimer &MoveTimer() noexcept { return m_moveTimer; }
    QTimer &FlashTimer() noexcept { return m_flashTimer; }
    // The two dialogs, made right after the window and kept hidden between uses.
    TAboutBox &AboutBox() const noexcept { return *m_aboutBox; }
    TSpeedDlg &SpeedDlg() const noexcept { return *m_speedDlg; }
    static QString HelpFilePath();
    // The manual Help > Contents opens; HelpFilePath() unless changed (tests).
    void setHelpFile(const QString &path) { m_helpFile = path; }
    // The record of the game played in this window, as it would be saved.
    const GameRecord &Record() const noexcept { return m_recorder.Record(); }
    // Save Game and Open Game without their file dialogs (the command line,
    // tests). False, after the player was told why, when nothing was done.
    bool SaveGameTo(const QString &path);
    bool OpenGameFrom(const QString &path);
    // The text of the score line in the status bar.
    QString ScoreText() const;
    MoveListPanel *MoveList() const noexcept { return m_moveList; }
    // Shows the position after entry `index` of the game (-1: its start),
    // as the move list does when a row is chosen. False while busy.
    bool ShowEntry(int index);
    // An earlier position of the game is shown (the later moves are kept).
    bool Browsing() const noexcept { return m_browsing; }
    AnalysisWorker &Analysis() const noexcept { return *m_analysis; }
    // The depth the analysis searches at: the level's, Extremely Difficult's
    // against a human and for the Master, and at least one move.
    static int AnalysisDepth(int opponent) noexcept;
    // The endgame tables the Master, the analysis and the hints use (not
    // owned; they must outlive the window); normally the loader's, loaded on
    // first use. Given here (tests), none is loaded.
    void UseEndgameTables(const EndgameTables *tables);

    // GameView
    void ShowHouse(int house, int seeds, int owner) override;
    void ShowStore(int player, int groups) override;
    void ShowBoard(const TBoard &board, bool immediate) override;
    void ShowBlink(int house, bool on) override;
    void HouseChosen(int house, int seeds, int owner, bool hint, bool exact) override;
    void SetStatusText(const GameText &text) override;
    MessageAnswer ShowMessage(const GameText &text, const GameText &caption, MessageButtons buttons,
                              MessageIcon icon) override;
    void Beep() override;
    void SetBoardCursor(BoardCursor cursor) override;
    void RefreshCursor() override;
    void SetMoveTimer(bool enabled) override;
    void SetFlashTimer(bool enabled) override;
    void SetUndoEnabled(bool enabled) override;
    void SetStopEnabled(bool enabled) override;
    void SetRedoEnabled(bool enabled) override;
    void GameStarted(const TBoard &board) override;
    void MoveStarted(int player, int house) override;
    void Turned() override;
    void RoundStarted() override;
    void MoveUndone(const TBoard &board) override;
    void BoardEdited(const TBoard &board) override;
    void GameEnded(int winner) override;
    void SetOpponentMark(int opponent) override;
    void SetSetupMark(bool on) override;
    void PumpMessages() override;

public slots:
    void NewGameExecute() { m_controller->NewGameExecute(); }
    void MoveTimerTimer() { m_controller->MoveTimerTimer(); }
    void FlashTimerTimer() { m_controller->FlashTimerTimer(); }
    void Play1Click();
    void Hint1Click() { m_controller->Hint1Click(); }
    void Turn1Click();
    void SetupItemClick() { m_controller->SetupItemClick(); }
    void UndoActionExecute() { m_controller->UndoActionExecute(); }
    void StopActionExecute() { m_controller->StopActionExecute(); }
    void RedoActionExecute() { m_controller->RedoActionExecute(); }
    void SaveGameExecute();
    void OpenGameExecute();
    void HelpContentsExecute();
    void SpeedActionExecute();
    void HelpAbout();
    void FileExit() { close(); }

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void ConnectActions();
    void SetUpToolBar();
    void SetUpStatusLine();
    static int ShowModal(QDialog &dialog);
    MessageAnswer ShowBox(const QString &text, const QString &caption, MessageButtons buttons,
                          MessageIcon icon);
    void ShowFileError(const GameFileError &error);
    // The whole game: with the moves after the position shown while browsing.
    const GameRecord &WholeGame() const noexcept;
    void RefreshMoveList();
    // The position may have changed: the analysis starts again (soon, once).
    void AnalysisDirty();
    void RestartAnalysis();
    void LoadEndgameTables();
    // Before a command that goes on from the position shown while browsing:
    // asks whether to drop the later moves; false when the answer is No.
    bool ConfirmNewLine();
    void UpdateScoreLine();

    std::unique_ptr<Ui::TMainForm> m_ui;
    TableLoader m_tableLoader; // outlives the controller, which reads its tables
    const EndgameTables *m_tables = nullptr;
    std::unique_ptr<GameController> m_controller;
    QActionGroup *m_opponents = nullptr;
    QTimer m_moveTimer;
    QTimer m_flashTimer;
    QElapsedTimer m_sincePump;
    unsigned m_pumpCalls = 0;
    MessageHandler m_messageHandler;
    QPointer<HelpWindow> m_help;
    QString m_helpFile = HelpFilePath();
    TAboutBox *m_aboutBox = nullptr;
    TSpeedDlg *m_speedDlg = nullptr;
    GameRecorder m_recorder;
    QString m_gameFolder;           // where the last game was saved or opened
    QLabel *m_statusText = nullptr; // shows the status bar's message, wrapped
    QLabel *m_scoreLine = nullptr;
    StoreArray m_groups{}; // the stores as last shown
    MoveListPanel *m_moveList = nullptr;
    bool m_browsing = false;
    AnalysisWorker *m_analysis = nullptr;
    QTimer m_analysisDue;   // gathers the changes of one command into one restart
    GameRecord m_wholeGame; // while browsing: the game with its later moves
};

} // namespace ombrel
