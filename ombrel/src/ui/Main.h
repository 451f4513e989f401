// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The main window: the board surface, the commands and the status line. It
// owns the game controller and is its view; every handler is a thin call into
// the controller, every GameView call a thin change of the widgets.

#include "BoardAccess.h"
#include "BoardFocus.h"
#include "BoardPictures.h"
#include "GameController.h"
#include "GameView.h"
#include "TableLoader.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QActionGroup;
class QDialog;
class QHelpEvent;
class QToolButton;

namespace Ui {
class TMainForm;
}

namespace ombrel {

class HelpWindow;
class TAboutBox;
class TSpeedDlg;

class TMainForm : public QMainWindow, public GameView, public BoardAccess
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
    QWidget *PaintBox() const;
    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }
    QTimer &MoveTimer() noexcept { return m_moveTimer; }
    QTimer &FlashTimer() noexcept { return m_flashTimer; }
    // The two dialogs, made right after the window and kept hidden between uses.
    TAboutBox &AboutBox() const noexcept { return *m_aboutBox; }
    TSpeedDlg &SpeedDlg() const noexcept { return *m_speedDlg; }
    // Window-space rectangles of PaintBox1 that were invalidated by DrawHouse
    // or DrawTaken since the last call (tests check that a step repaints one cell).
    QList<QRect> TakeDrawnRects();
    static QString HelpFilePath();
    // The manual Help > Contents opens; HelpFilePath() unless changed (tests).
    void setHelpFile(const QString &path) { m_helpFile = path; }

    // GameView
    void DrawHouse(int house) override;
    void DrawTaken(int player) override;
    void Repaint(bool immediate) override;
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
    void SetOpponentMark(int opponent) override;
    void SetSetupMark(bool on) override;
    void PumpMessages() override;

    // BoardAccess
    QWidget *BoardSurface() const override { return PaintBox(); }
    const TBoard &BoardState() const override { return m_controller->Board(); }
    int FocusHouse() const override { return m_focus.House(); }
    void SetFocusHouse(int house) override;
    void PressHouse(int house) override;
    // Whether the keyboard's mark is drawn (the board has focus and a key
    // was used since the last click).
    bool FocusMarkShown() const;

public slots:
    void NewGameExecute() { m_controller->NewGameExecute(); }
    void MoveTimerTimer() { m_controller->MoveTimerTimer(); }
    void FlashTimerTimer() { m_controller->FlashTimerTimer(); }
    void Play1Click() { m_controller->Play1Click(); }
    void Hint1Click() { m_controller->Hint1Click(); }
    void Turn1Click() { m_controller->Turn1Click(); }
    void SetupItemClick() { m_controller->SetupItemClick(); }
    void UndoActionExecute() { m_controller->UndoActionExecute(); }
    void StopActionExecute() { m_controller->StopActionExecute(); }
    void HumanExecute() { m_controller->HumanExecute(); }
    void ComputerEasyExecute() { m_controller->ComputerEasyExecute(); }
    void ComputerMediumExecute() { m_controller->ComputerMediumExecute(); }
    void ComputerDifficultExecute() { m_controller->ComputerDifficultExecute(); }
    void ComputerVeryDifficultExecute() { m_controller->ComputerVeryDifficultExecute(); }
    void ComputerExtremelyDifficultExecute() { m_controller->ComputerExtremelyDifficultExecute(); }
    void HelpContentsExecute();
    void SpeedActionExecute();
    void HelpAbout();
    void FileExit() { close(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void ConnectActions();
    void SetUpToolBar();
    void PaintBox1Paint();
    void PaintBox1MouseUp(QMouseEvent *event);
    void EnsureBacking();
    void DrawHouseInto(QPainter &painter, int house, int seeds);
    void DrawTakenInto(QPainter &painter, int player);
    void Invalidate(const QRect &rect);
    template <typename Draw> void DrawCell(const QRect &cell, Draw draw);
    static int ShowModal(QDialog &dialog);
    MessageAnswer ShowBox(const QString &text, const QString &caption, MessageButtons buttons,
                          MessageIcon icon);
    // Keyboard play, the focus mark and the tooltips of the board.
    bool BoardKeyPress(QKeyEvent *event);
    void BoardFocusIn(Qt::FocusReason reason);
    void ShowFocusMark();
    void MoveFocusTo(int house);
    void DrawFocusMark(QPainter &painter) const;
    void UpdateFocusCell();
    void BoardToolTip(QHelpEvent *event);
    QString ItemText(int item) const;
    // Tells assistive technology which houses and stores changed their name
    // (count or owner) since the last call, and where the keyboard's house is.
    void AnnounceChanges();
    void AnnounceFocus();
    void RememberAnnounced();

    std::unique_ptr<Ui::TMainForm> m_ui;
    TableLoader m_tableLoader; // outlives the controller, which reads its tables
    std::unique_ptr<GameController> m_controller;
    BoardPictures m_pictures;
    QPixmap m_backing;
    bool m_backingValid = false;
    QList<QRect> m_drawnRects;
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
    BoardFocus m_focus;
    // The counts and owners assistive technology was last told of.
    std::array<int, 12> m_heardSeeds{};
    std::array<int, 12> m_heardOwners{};
    std::array<int, 2> m_heardTaken{};
};

} // namespace ombrel
