// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/Main.h"

#include "ai/Search.h"
#include "ui/About.h"
#include "ui/AnalysisWorker.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardTexts.h"
#include "ui/HelpWindow.h"
#include "ui/MoveListPanel.h"
#include "ui/speed.h"
#include "ui_Main.h"

#include "record/GameFile.h"
#include "record/GameReplay.h"

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

namespace ombrel {

namespace {

constexpr int MoveInterval = 220;
constexpr int FlashInterval = 200;
constexpr int PumpCheckEvery = 256;
constexpr qint64 PumpIntervalMs = 10;
// The status text wraps onto at most this many lines (a hint in French takes three).
constexpr int StatusLines = 3;

// The controller's texts are looked up in the translations here, and their
// number filled in after, where the translation put its %1.
QString Translated(const GameText &text)
{
    const QString translated = QCoreApplication::translate(GameText::Context, text.Source());
    return translated.contains(QLatin1String("%1")) ? translated.arg(text.number()) : translated;
}

// A running timer is left alone: starting it again would delay its next tick.
void SetRunning(QTimer &timer, bool running)
{
    if (running == timer.isActive())
        return;
    if (running)
        timer.start();
    else
        timer.stop();
}

// The score line on two lines: broken after its last comma, where there is one.
QString ScoreLines(const QString &score)
{
    QString lines = score;
    const qsizetype comma = lines.lastIndexOf(QLatin1String(", "));
    if (comma >= 0)
        lines.replace(comma + 1, 1, QLatin1Char('\n'));
    return lines;
}

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::TMainForm>())
{
    BoardAccessible::InstallFactory();
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    setWindowIcon(BoardPictures::Icon("ombrel"));
    connect(m_ui->PaintBox1, &BoardView::Clicked, this, [this](MouseButton button, int house) {
        if (house >= 0 && !m_controller->IsBusy() && !ConfirmNewLine())
            return;
        m_controller->BoardClick(button, house);
    });
    m_moveTimer.setObjectName("MoveTimer");
    m_moveTimer.setInterval(MoveInterval);
    m_flashTimer.setObjectName("FlashTimer");
    m_flashTimer.setInterval(FlashInterval);
    connect(&m_moveTimer, &QTimer::timeout, this, &TMainForm::MoveTimerTimer);
    connect(&m_flashTimer, &QTimer::timeout, this, &TMainForm::FlashTimerTimer);
    SetUpToolBar();
    ConnectActions();
    m_sincePump.start();
    m_controller = std::make_unique<GameController>(
        *this, static_cast<std::uint64_t>(QDateTime::currentSecsSinceEpoch()));
    m_ui->StatusLine->showMessage(
        tr("Ready. Player 1 can play now. Click on a house to start moving."));
    m_ui->StatusLine->setSizeGripEnabled(false);
    SetUpStatusLine();
    m_recorder.NewGame(m_controller->Board());
    m_groups = m_controller->Board().Taken;
    UpdateScoreLine();
    m_moveList = new MoveListPanel(this);
    addDockWidget(Qt::RightDockWidgetArea, m_moveList);
    m_moveList->hide();
    connect(m_moveList, &MoveListPanel::EntryChosen, this, &TMainForm::ShowEntry);
    connect(m_ui->MoveListAction, &QAction::toggled, this, [this](bool on) {
        m_moveList->setVisible(on);
        RefreshMoveList();
    });
    m_analysis = new AnalysisWorker(this);
    m_analysisDue.setSingleShot(true);
    m_analysisDue.setInterval(0);
    connect(&m_analysisDue, &QTimer::timeout, this, &TMainForm::RestartAnalysis);
    connect(m_ui->ShowAnalysis, &QAction::toggled, this, &TMainForm::RestartAnalysis);
    connect(m_analysis, &AnalysisWorker::Finished, this, [this](const AnalysisResult &result) {
        if (m_ui->ShowAnalysis->isChecked() && !m_controller->IsBusy())
            m_ui->PaintBox1->SetAnalysis(result.Scores, result.Scored, result.Exact);
    });
    connect(m_moveList, &QDockWidget::visibilityChanged, this,
            [this](bool) { m_ui->MoveListAction->setChecked(m_moveList->isVisibleTo(this)); });
    m_ui->PaintBox1->ShowBoard(m_controller->Board(), false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_aboutBox = new TAboutBox(this);
    m_speedDlg = new TSpeedDlg(this);
}

TMainForm::~TMainForm()
{
    m_moveTimer.stop();
    m_flashTimer.stop();
    if (m_analysis)
        m_analysis->Cancel();
    // The dock hides as the base class deletes it, after this class's members
    // are gone: it must not reach back into them then.
    if (m_moveList)
        disconnect(m_moveList, nullptr, this, nullptr);
}

BoardView *TMainForm::PaintBox() const
{
    return m_ui->PaintBox1;
}

void TMainForm::ShowHouse(int house, int seeds, int owner)
{
    m_ui->PaintBox1->ShowHouse(house, seeds, owner);
    AnalysisDirty();
}

void TMainForm::ShowStore(int player, int groups)
{
    m_ui->PaintBox1->ShowStore(player, groups);
    if (player == 0 || player == 1)
        m_groups[std::size_t(player)] = groups;
    UpdateScoreLine();
}

void TMainForm::ShowBoard(const TBoard &board, bool immediate)
{
    m_ui->PaintBox1->ShowBoard(board, immediate);
    m_groups = board.Taken;
    UpdateScoreLine();
    AnalysisDirty();
}

void TMainForm::ShowBlink(int house, bool on)
{
    m_ui->PaintBox1->ShowBlink(house, on);
}

// The blink alone says nothing to a screen reader: the status line, which
// it reads, names the house too.
void TMainForm::HouseChosen(int house, int seeds, int owner, bool hint, bool exact)
{
    const QString name = BoardTexts::HouseName(owner, seeds);
    const QString where = BoardTexts::HouseDescription(house);
    const QString text = !hint   ? tr("The computer plays %1. %2.")
                         : exact ? tr("Exact hint, proven best: %1. %2.")
                                 : tr("Hint: %1. %2.");
    m_ui->StatusLine->showMessage(text.arg(name, where));
}

// The status text is kept as the status bar's message (status tips replace it
// as they always did), but shown by a label that wraps it onto more lines
// instead of cutting it where the score line begins; the score line takes
// two lines. Both labels are
// permanent widgets, so the bar's own drawing of the message gets no room;
// the bar is StatusLines high for good, so the window never changes its size.
void TMainForm::SetUpStatusLine()
{
    QStatusBar *bar = m_ui->StatusLine;
    m_statusText = new QLabel(bar);
    m_statusText->setObjectName("StatusText");
    m_statusText->setTextFormat(Qt::PlainText);
    m_statusText->setWordWrap(true);
    m_statusText->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    m_statusText->setFixedHeight(StatusLines * m_statusText->fontMetrics().lineSpacing());
    m_statusText->setMinimumWidth(0);
    m_statusText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_statusText->setText(bar->currentMessage());
    bar->addPermanentWidget(m_statusText, 1);
    m_scoreLine = new QLabel(bar);
    m_scoreLine->setObjectName("ScoreLine");
    m_scoreLine->setTextFormat(Qt::PlainText);
    m_scoreLine->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    m_scoreLine->setContentsMargins(6, 0, 4, 0); // apart from the text and the edge
    // As wide as the widest score needs, for good, so that a new score never
    // moves the status text.
    const QString widest = tr("Round %1 - Player 1: %2, Player 2: %3").arg("88", "88", "88");
    const QMargins margins = m_scoreLine->contentsMargins();
    m_scoreLine->setFixedWidth(
        m_scoreLine->fontMetrics().boundingRect(QRect(), 0, ScoreLines(widest)).width() +
        margins.left() + margins.right());
    bar->addPermanentWidget(m_scoreLine);
    connect(bar, &QStatusBar::messageChanged, this, [this, bar](const QString &text) {
        m_statusText->setText(text);
        // A status text that replaces another is news for a screen reader too.
        QAccessibleEvent event(bar, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
}

// Every action with a picture is on the toolbar. Its button is named as in the
// form's toolbar so that tests and style sheets find it.
void TMainForm::SetUpToolBar()
{
    QToolBar *bar = m_ui->ToolBar1;
    bar->setStyleSheet("QToolBar { border: none; spacing: 0px; padding: 0px; }"
                       "QToolBar::separator { width: 8px; }");
    bar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    struct ToolAction
    {
        QAction *action;
        const char *icon;
        const char *button;
    };
    const ToolAction actions[] = {
        {m_ui->NewGame, "new", "ToolButton1"},
        {m_ui->UndoAction, "undo", "ToolButton3"},
        {m_ui->Human, "human", "HumanBtn"},
        {m_ui->ComputerEasy, "level1", "Level1Btn"},
        {m_ui->ComputerMedium, "level2", "Level2Btn"},
        {m_ui->ComputerDifficult, "level3", "Level3Btn"},
        {m_ui->ComputerVeryDifficult, "level4", "Level4Btn"},
        {m_ui->ComputerExtremelyDifficult, "level5", "Level5Btn"},
        {m_ui->StopAction, "stop", "StopBtn"},
        {m_ui->SpeedAction, "speed", "SetSpeedBtn"},
        {m_ui->HelpContents, "help", "ToolButton16"},
    };
    for (const auto &[action, icon, name] : actions) {
        action->setIcon(BoardPictures::Icon(icon));
        QWidget *button = bar->widgetForAction(action);
        button->setObjectName(name);
        button->setFixedSize(27, 26);
        // A screen reader names a button by its action, not by its picture.
        button->setAccessibleName(action->iconText());
    }
    // The toolbar's own button for the commands that do not fit is a check
    // box with no text: name it too.
    if (auto *more = bar->findChild<QToolButton *>("qt_toolbar_ext_button"))
        more->setAccessibleName(tr("More commands"));
}

void TMainForm::ConnectActions()
{
    m_opponents = new QActionGroup(this);
    m_opponents->setExclusive(true);
    const std::pair<QAction *, int> opponents[] = {
        {m_ui->Human, OpponentHuman},
        {m_ui->ComputerEasy, OpponentEasy},
        {m_ui->ComputerMedium, OpponentMedium},
        {m_ui->ComputerDifficult, OpponentDifficult},
        {m_ui->ComputerVeryDifficult, OpponentVeryDifficult},
        {m_ui->ComputerExtremelyDifficult, OpponentExtremelyDifficult},
        {m_ui->ComputerMaster, OpponentMaster},
    };
    // A menu's hint belongs on its action: that is what Qt shows on the status
    // line when the menu bar highlights the menu.
    for (QAction *menu : m_ui->MainMenu->actions())
        if (menu->menu())
            menu->setStatusTip(menu->menu()->statusTip());
    for (const auto &[action, level] : opponents) {
        m_opponents->addAction(action);
        action->setData(level);
        connect(action, &QAction::triggered, this, [this, level = level] {
            m_controller->SetOpponent(level);
            SetOpponentMark(m_controller->Opponent());
            if (level == OpponentMaster)
                LoadEndgameTables();
        });
    }
    connect(m_ui->NewGame, &QAction::triggered, this, &TMainForm::NewGameExecute);
    connect(m_ui->UndoAction, &QAction::triggered, this, &TMainForm::UndoActionExecute);
    m_ui->RedoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::SHIFT | Qt::Key_Backspace)});
    connect(m_ui->RedoAction, &QAction::triggered, this, &TMainForm::RedoActionExecute);
    connect(m_ui->SaveGame, &QAction::triggered, this, &TMainForm::SaveGameExecute);
    connect(m_ui->OpenGame, &QAction::triggered, this, &TMainForm::OpenGameExecute);
    connect(m_ui->StopAction, &QAction::triggered, this, &TMainForm::StopActionExecute);
    connect(m_ui->HelpContents, &QAction::triggered, this, &TMainForm::HelpContentsExecute);
    connect(m_ui->SpeedAction, &QAction::triggered, this, &TMainForm::SpeedActionExecute);
    connect(m_ui->Play1, &QAction::triggered, this, &TMainForm::Play1Click);
    connect(m_ui->Turn1, &QAction::triggered, this, &TMainForm::Turn1Click);
    connect(m_ui->SetupItem, &QAction::triggered, this, [this] {
        if (!m_controller->SetupMode() && !ConfirmNewLine()) {
            SetSetupMark(false);
            return;
        }
        SetupItemClick();
        SetSetupMark(m_controller->SetupMode());
    });
    connect(m_ui->FileExitItem, &QAction::triggered, this, &TMainForm::FileExit);
    connect(m_ui->HelpAboutItem, &QAction::triggered, this, &TMainForm::HelpAbout);
    connect(m_ui->Hint1, &QAction::triggered, this, &TMainForm::Hint1Click);
    // An invisible action's shortcut is dead in Qt, so H gets a shortcut of its own.
    auto *hintKey = new QShortcut(QKeySequence(Qt::Key_H), this);
    hintKey->setObjectName("Hint1Shortcut");
    connect(hintKey, &QShortcut::activated, m_ui->Hint1, &QAction::trigger);
}

// The backing pixmap holds the whole board; paint events only copy from it.
void TMainForm::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    Key key = Key::Other;
    if (keypad && event->key() == Qt::Key_Plus)
        key = Key::KeypadPlus;
    else if (keypad && event->key() == Qt::Key_Minus)
        key = Key::KeypadMinus;
    m_controller->FormKeyUp(key);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_controller->IsSearching()) {
        // The search runs further down this very stack: let it unwind first.
        m_controller->AbandonSearch();
        event->ignore();
        QTimer::singleShot(0, this, &TMainForm::close);
        return;
    }
    m_moveTimer.stop();
    m_flashTimer.stop();
    if (m_help)
        m_help->close();
    event->accept();
}

void TMainForm::SetStatusText(const GameText &text)
{
    m_ui->StatusLine->showMessage(Translated(text));
    AnalysisDirty(); // Turn, for one, changes only the player to move
}

int TMainForm::AnalysisDepth(int opponent) noexcept
{
    const bool computer = opponent > OpponentHuman && opponent < OpponentMaster;
    const int depth = DepthForLevel(computer ? opponent : OpponentExtremelyDifficult);
    return depth < 1 ? 1 : depth;
}

void TMainForm::AnalysisDirty()
{
    if (!m_analysis || (!m_ui->ShowAnalysis->isChecked() && !m_analysis->Running()))
        return;
    // Scores of a position that is changing go at once; new ones come later.
    if (m_controller && m_controller->IsBusy())
        m_ui->PaintBox1->ClearAnalysis();
    m_analysisDue.start();
}

// The scores shown belong to the position on the board between moves; while
// anything moves (a sowing, a flash, a search) or the board is set up by
// hand, there are none.
void TMainForm::RestartAnalysis()
{
    m_analysis->Cancel();
    m_ui->PaintBox1->ClearAnalysis();
    if (!m_ui->ShowAnalysis->isChecked() || m_controller->IsBusy() || m_controller->SetupMode())
        return;
    LoadEndgameTables();
    const TBoard &board = m_controller->Board();
    m_analysis->Start(board, board.Mover, AnalysisDepth(m_controller->Opponent()), m_tables);
}

// The Master and the analysis load the tables; hints use them once they are
// there.
void TMainForm::LoadEndgameTables()
{
    if (!m_tables)
        m_tableLoader.Start([this](const EndgameTables *tables) { UseEndgameTables(tables); });
}

// The analysis under way starts again with the tables.
void TMainForm::UseEndgameTables(const EndgameTables *tables)
{
    m_tables = tables;
    m_controller->SetEndgameTables(tables);
    AnalysisDirty();
}

MessageAnswer TMainForm::ShowMessage(const GameText &text, const GameText &caption,
                                     MessageButtons buttons, MessageIcon icon)
{
    return ShowBox(Translated(text), Translated(caption), buttons, icon);
}

MessageAnswer TMainForm::ShowBox(const QString &text, const QString &caption,
                                 MessageButtons buttons, MessageIcon icon)
{
    if (m_messageHandler)
        return m_messageHandler(text, caption, buttons, icon);
    QMessageBox box(this);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(icon == MessageIcon::Warning    ? QMessageBox::Warning
                : icon == MessageIcon::Question ? QMessageBox::Question
                                                : QMessageBox::NoIcon);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void TMainForm::Beep()
{
    QApplication::beep();
}

void TMainForm::SetBoardCursor(BoardCursor cursor)
{
    m_ui->PaintBox1->setCursor(cursor == BoardCursor::Hand ? Qt::PointingHandCursor
                                                           : Qt::WaitCursor);
}

void TMainForm::RefreshCursor()
{
    QCursor::setPos(QCursor::pos());
}

void TMainForm::SetMoveTimer(bool enabled)
{
    SetRunning(m_moveTimer, enabled);
    AnalysisDirty();
}

void TMainForm::SetFlashTimer(bool enabled)
{
    SetRunning(m_flashTimer, enabled);
    AnalysisDirty();
}

void TMainForm::SetUndoEnabled(bool enabled)
{
    m_ui->UndoAction->setEnabled(enabled);
}

void TMainForm::SetStopEnabled(bool enabled)
{
    m_ui->StopAction->setEnabled(enabled);
}

void TMainForm::SetRedoEnabled(bool enabled)
{
    m_ui->RedoAction->setEnabled(enabled);
}

// --- the game's record --------------------------------------------------------

void TMainForm::GameStarted(const TBoard &board)
{
    m_browsing = false;
    m_recorder.NewGame(board);
    UpdateScoreLine();
    RefreshMoveList();
}

// A command that goes on from a position shown by the move list has been
// confirmed (ConfirmNewLine): the record already ends there.
void TMainForm::MoveStarted(int player, int house)
{
    m_browsing = false;
    m_recorder.MoveStarted(player, house);
    UpdateScoreLine();
    RefreshMoveList();
}

void TMainForm::Turned()
{
    m_browsing = false;
    m_recorder.Turned();
    RefreshMoveList();
}

void TMainForm::RoundStarted()
{
    m_browsing = false;
    m_recorder.RoundStarted();
    UpdateScoreLine();
    RefreshMoveList();
}

// An Undo that reaches back before an edit of the board (or anything else the
// record cannot follow) starts the record afresh from the board as it is, so
// that what is saved always replays to the board on screen.
void TMainForm::MoveUndone(const TBoard &board)
{
    m_recorder.Undone(board);
    const GameReplay replay = GameReplay::Run(m_recorder.Record());
    const TBoard &final = replay.Final();
    if (!replay.Ok() || final.Seeds != board.Seeds || final.Taken != board.Taken ||
        final.Mover != board.Mover || final.Player1Houses != board.Player1Houses)
        m_recorder.BoardEdited(board);
    RefreshMoveList();
}

void TMainForm::BoardEdited(const TBoard &board)
{
    m_browsing = false;
    m_recorder.BoardEdited(board);
    RefreshMoveList();
}

const GameRecord &TMainForm::WholeGame() const noexcept
{
    return m_browsing ? m_wholeGame : m_recorder.Record();
}

void TMainForm::RefreshMoveList()
{
    if (!m_moveList || !m_moveList->isVisibleTo(this))
        return;
    const GameRecord &whole = WholeGame();
    const int current =
        m_browsing ? int(m_recorder.Record().Entries.size()) - 1 : int(whole.Entries.size()) - 1;
    m_moveList->ShowGame(whole, GameReplay::Run(whole), current);
}

// The controller goes on from the position after entry `index`, with no undo
// history; the record keeps the entries up to it, the later ones wait in
// m_wholeGame until a command goes on from here or Last comes back to them.
bool TMainForm::ShowEntry(int index)
{
    if (m_controller->IsBusy()) {
        RefreshMoveList();
        return false;
    }
    const GameRecord whole = WholeGame();
    const GameReplay replay = GameReplay::Run(whole);
    const int count = int(replay.Steps().size());
    index = std::clamp(index, -1, count - 1);
    const TBoard board = index < 0 ? whole.StartBoard() : replay.After(std::size_t(index));
    const int round = index < 0 ? 1 : replay.Steps()[std::size_t(index)].Round;
    const int opponent = m_controller->Opponent();
    const int side = m_controller->ComputerSide();
    if (!m_controller->LoadGame(board, opponent, side, round))
        return false;
    GameRecord shown = whole;
    shown.Entries.resize(std::size_t(index + 1));
    m_browsing = index + 1 < int(whole.Entries.size());
    m_wholeGame = m_browsing ? whole : GameRecord();
    m_recorder.Continue(m_browsing ? shown : whole);
    UpdateScoreLine();
    RefreshMoveList();
    return true;
}

bool TMainForm::ConfirmNewLine()
{
    if (!m_browsing)
        return true;
    if (ShowBox(tr("Play on from this position? The moves after it are dropped."),
                Translated(GameText(GameText::Id::CaptionGame)), MessageButtons::YesNo,
                MessageIcon::Question) != MessageAnswer::Yes)
        return false;
    m_browsing = false;
    m_wholeGame = GameRecord();
    RefreshMoveList();
    return true;
}

void TMainForm::Play1Click()
{
    if (!m_controller->IsBusy() && !ConfirmNewLine())
        return;
    m_controller->Play1Click();
}

void TMainForm::Turn1Click()
{
    if (!m_controller->IsBusy() && !ConfirmNewLine())
        return;
    m_controller->Turn1Click();
}

void TMainForm::GameEnded(int winner)
{
    (void)winner;
    UpdateScoreLine();
}

QString TMainForm::ScoreText() const
{
    if (m_controller && m_controller->GameOver())
        return tr("Game over");
    const int round = m_controller ? m_controller->Round() : 1;
    return tr("Round %1 - Player 1: %2, Player 2: %3")
        .arg(QString::number(round), QString::number(m_groups[0]), QString::number(m_groups[1]));
}

void TMainForm::UpdateScoreLine()
{
    if (!m_scoreLine)
        return;
    const QString score = ScoreText();
    m_scoreLine->setText(ScoreLines(score));
    m_scoreLine->setAccessibleName(score); // one sentence for a screen reader
}

bool TMainForm::SaveGameTo(const QString &path)
{
    m_recorder.SetPlayers(m_controller->Opponent(), m_controller->ComputerSide());
    GameRecord whole = WholeGame();
    whole.Opponent = m_controller->Opponent();
    whole.ComputerSide = m_controller->ComputerSide();
    const GameFileError error = GameFile::Write(QFile::encodeName(path).toStdString(), whole);
    if (error) {
        ShowFileError(error);
        return false;
    }
    m_gameFolder = QFileInfo(path).absolutePath();
    return true;
}

// The game on the board stays as it was unless the whole file was read and
// every move in it replayed.
bool TMainForm::OpenGameFrom(const QString &path)
{
    if (m_controller->IsBusy()) {
        ShowMessage(GameText(GameText::Id::CommandBusy), GameText(GameText::Id::CaptionError),
                    MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    const GameFile::ReadResult result = GameFile::Read(QFile::encodeName(path).toStdString());
    if (!result.Ok()) {
        ShowFileError(result.Error);
        return false;
    }
    const GameRecord &record = result.Record;
    const GameReplay &replay = result.Replay;
    if (!m_controller->LoadGame(replay.Final(), record.Opponent, record.ComputerSide,
                                replay.Rounds(), replay.RoundHistory(), replay.GameOver()))
        return false;
    m_browsing = false;
    m_recorder.Continue(record);
    RefreshMoveList();
    SetOpponentMark(m_controller->Opponent());
    if (m_controller->Opponent() == OpponentMaster)
        LoadEndgameTables();
    m_gameFolder = QFileInfo(path).absolutePath();
    UpdateScoreLine();
    // Last, with the record in place: the computer's move is recorded.
    m_controller->ResumePlay();
    return true;
}

void TMainForm::ShowFileError(const GameFileError &error)
{
    QString sentence =
        QCoreApplication::translate(GameFileError::Context, GameFileError::Source(error.code()));
    if (sentence.contains(QLatin1String("%1")))
        sentence = sentence.arg(QString::fromStdString(error.Argument()));
    if (error.line() > 0)
        sentence = QCoreApplication::translate(GameFileError::Context, GameFileError::LineSource())
                       .arg(QString::number(error.line()), sentence);
    ShowBox(sentence, tr("Error"), MessageButtons::Ok, MessageIcon::Warning);
}

void TMainForm::SaveGameExecute()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Save Game"), m_gameFolder,
                                                tr("Ombrel games (*.ombrel)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(GameFile::Extension);
    SaveGameTo(path);
}

void TMainForm::OpenGameExecute()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Game"), m_gameFolder,
                                                      tr("Ombrel games (*.ombrel);;All files (*)"));
    if (!path.isEmpty())
        OpenGameFrom(path);
}

void TMainForm::SetOpponentMark(int opponent)
{
    AnalysisDirty();
    for (QAction *action : m_opponents->actions())
        if (action->data().toInt() == opponent)
            action->setChecked(true);
}

void TMainForm::SetSetupMark(bool on)
{
    AnalysisDirty();
    m_ui->SetupItem->setChecked(on);
    m_ui->PaintBox1->SetSetupMode(on);
}

void TMainForm::PumpMessages()
{
    if (++m_pumpCalls % PumpCheckEvery != 0)
        return;
    if (m_sincePump.elapsed() < PumpIntervalMs)
        return;
    QCoreApplication::processEvents();
    m_sincePump.restart();
}

QString TMainForm::HelpFilePath()
{
    const QString installed =
        QCoreApplication::applicationDirPath() + "/../share/ombrel/help/ombrel.html";
    if (QFile::exists(installed))
        return QDir::cleanPath(installed);
    return {};
}

void TMainForm::HelpContentsExecute()
{
    const QString path = m_helpFile;
    if (path.isEmpty() || !QFile::exists(path)) {
        // Like every error of the user's: caption "Error", the warning icon.
        ShowBox(tr("The help file ombrel.html could not be found."), tr("Error"),
                MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    if (!m_help) {
        m_help = new HelpWindow(this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->Open(path);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

// A dialog that is already open (a second trigger from a nested event loop)
// is not opened again.
int TMainForm::ShowModal(QDialog &dialog)
{
    if (dialog.isVisible())
        return QDialog::Rejected;
    return dialog.exec();
}

// The timer keeps running while the dialog is open; a new interval restarts
// it, so the rest of a move being sown goes at the new speed.
void TMainForm::SpeedActionExecute()
{
    m_speedDlg->SetSpeed(TSpeedDlg::SpeedForInterval(m_moveTimer.interval()));
    if (ShowModal(*m_speedDlg) == QDialog::Accepted)
        m_moveTimer.setInterval(TSpeedDlg::IntervalForSpeed(m_speedDlg->GetSpeed()));
}

void TMainForm::HelpAbout()
{
    ShowModal(*m_aboutBox);
}

} // namespace ombrel
