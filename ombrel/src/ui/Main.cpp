// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "Main.h"

#include "About.h"
#include "BoardAccessible.h"
#include "BoardGeometry.h"
#include "BoardTexts.h"
#include "HelpWindow.h"
#include "speed.h"
#include "ui_Main.h"

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace ombrel {

namespace {

constexpr int MoveInterval = 220;
constexpr int FlashInterval = 200;
constexpr int PumpCheckEvery = 256;
constexpr qint64 PumpIntervalMs = 10;

// The controller's texts are looked up in the translations here, and their
// number filled in after, where the translation put its %1.
QString Translated(const GameText &text)
{
    const QString translated = QCoreApplication::translate(GameText::Context, text.Source());
    return translated.contains(QLatin1String("%1")) ? translated.arg(text.number()) : translated;
}

MouseButton ToButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
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

QRect TakenRow(int player)
{
    return QRect(0, StoreTop(player), SurfaceWidth, StoreHeight);
}

QRect HouseCell(int house)
{
    return QRect(HouseLeft(house), HouseTop(house), HouseSize, HouseSize);
}

// Insert and + (main keyboard) add a seed in setup mode, Delete and - take
// one; the keypad's + and - keep their own meaning (FormKeyUp).
std::optional<MouseButton> SetupKeyButton(const QKeyEvent &event)
{
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
    case Qt::Key_Insert:
        return MouseButton::Left;
    case Qt::Key_Delete:
        return MouseButton::Right;
    case Qt::Key_Plus:
        return keypad ? std::nullopt : std::optional(MouseButton::Left);
    case Qt::Key_Minus:
        return keypad ? std::nullopt : std::optional(MouseButton::Right);
    default:
        return std::nullopt;
    }
}

std::optional<BoardFocus::Direction> ArrowDirection(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return BoardFocus::Direction::Left;
    case Qt::Key_Right:
        return BoardFocus::Direction::Right;
    case Qt::Key_Up:
        return BoardFocus::Direction::Up;
    case Qt::Key_Down:
        return BoardFocus::Direction::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::TMainForm>())
{
    BoardAccessible::InstallFactory();
    m_ui->setupUi(this);
    // Tab or a click gives the board the keyboard.
    m_ui->PaintBox1->setFocusPolicy(Qt::StrongFocus);
    // A status text that replaces another is news for a screen reader too.
    connect(m_ui->StatusLine, &QStatusBar::messageChanged, this, [this] {
        QAccessibleEvent event(m_ui->StatusLine, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    setWindowIcon(BoardPictures::Icon("ombrel"));
    m_ui->PaintBox1->installEventFilter(this);
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
    RememberAnnounced();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_aboutBox = new TAboutBox(this);
    m_speedDlg = new TSpeedDlg(this);
}

TMainForm::~TMainForm()
{
    m_moveTimer.stop();
    m_flashTimer.stop();
}

QWidget *TMainForm::PaintBox() const
{
    return m_ui->PaintBox1;
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
    }
    // The button Qt shows when the tools do not fit is a check box without a
    // text to screen readers.
    if (auto *more = bar->findChild<QToolButton *>("qt_toolbar_ext_button"))
        more->setAccessibleName(tr("More tools"));
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
        });
    }
    connect(m_ui->NewGame, &QAction::triggered, this, &TMainForm::NewGameExecute);
    connect(m_ui->UndoAction, &QAction::triggered, this, &TMainForm::UndoActionExecute);
    connect(m_ui->StopAction, &QAction::triggered, this, &TMainForm::StopActionExecute);
    connect(m_ui->HelpContents, &QAction::triggered, this, &TMainForm::HelpContentsExecute);
    connect(m_ui->SpeedAction, &QAction::triggered, this, &TMainForm::SpeedActionExecute);
    connect(m_ui->Play1, &QAction::triggered, this, &TMainForm::Play1Click);
    connect(m_ui->Turn1, &QAction::triggered, this, &TMainForm::Turn1Click);
    connect(m_ui->SetupItem, &QAction::triggered, this, [this] {
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
void TMainForm::EnsureBacking()
{
    const qreal dpr = m_ui->PaintBox1->devicePixelRatioF();
    if (!m_backing.isNull() && m_backing.devicePixelRatio() == dpr)
        return;
    m_backing = QPixmap(QSize(SurfaceWidth, SurfaceHeight) * dpr);
    m_backing.setDevicePixelRatio(dpr);
    m_backingValid = false;
}

void TMainForm::DrawHouseInto(QPainter &painter, int house, int seeds)
{
    const TBoard &board = m_controller->Board();
    const qreal dpr = m_backing.devicePixelRatio();
    const QPoint at(HouseLeft(house), HouseTop(house));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(at, QSize(HouseSize, HouseSize)), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawPixmap(at, m_pictures.House(OwnerOf(board, house), dpr));
    painter.drawPixmap(at, m_pictures.Seeds(seeds, dpr));
}

void TMainForm::DrawTakenInto(QPainter &painter, int player)
{
    const qreal dpr = m_backing.devicePixelRatio();
    const QPixmap picture = m_pictures.Taken(dpr);
    const int count = m_controller->Board().Taken[player];
    for (int k = 0; k < count && BoardPictures::TakenSize * k < SurfaceWidth; ++k)
        painter.drawPixmap(QPoint(BoardPictures::TakenSize * k, StoreTop(player)), picture);
}

void TMainForm::PaintBox1Paint()
{
    EnsureBacking();
    m_backing.fill(Qt::transparent);
    QPainter painter(&m_backing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int h = 0; h < HouseCount; ++h)
        DrawHouseInto(painter, h, m_controller->Board().Seeds[h]);
    DrawTakenInto(painter, 0);
    DrawTakenInto(painter, 1);
    m_backingValid = true;
}

void TMainForm::Invalidate(const QRect &rect)
{
    m_drawnRects.append(rect);
    m_ui->PaintBox1->update(rect);
}

QList<QRect> TMainForm::TakeDrawnRects()
{
    return std::exchange(m_drawnRects, {});
}

// Redraws one cell into the backing pixmap (the whole board when the pixmap is
// stale) and queues just that cell for the screen.
template <typename Draw> void TMainForm::DrawCell(const QRect &cell, Draw draw)
{
    EnsureBacking();
    if (!m_backingValid) {
        PaintBox1Paint();
    } else {
        QPainter painter(&m_backing);
        draw(painter);
    }
    Invalidate(cell);
    AnnounceChanges();
}

void TMainForm::DrawHouse(int house)
{
    if (house < 0 || house >= HouseCount)
        return;
    const TBoard &board = m_controller->Board();
    DrawCell(QRect(HouseLeft(house), HouseTop(house), HouseSize, HouseSize),
             [&](QPainter &painter) { DrawHouseInto(painter, house, board.Seeds[house]); });
}

void TMainForm::DrawTaken(int player)
{
    if (player < 0 || player > 1)
        return;
    DrawCell(TakenRow(player), [&](QPainter &painter) { DrawTakenInto(painter, player); });
}

void TMainForm::Repaint(bool immediate)
{
    m_backingValid = false;
    AnnounceChanges();
    if (immediate) {
        PaintBox1Paint();
        m_ui->PaintBox1->repaint();
    } else {
        m_ui->PaintBox1->update();
    }
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->PaintBox1) {
        if (event->type() == QEvent::Paint) {
            EnsureBacking();
            if (!m_backingValid)
                PaintBox1Paint();
            QPainter painter(m_ui->PaintBox1);
            painter.drawPixmap(0, 0, m_backing);
            if (FocusMarkShown())
                DrawFocusMark(painter);
            return true;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            // A mouse player sees the board as it always was.
            if (m_focus.MarkShown()) {
                m_focus.SetMarkShown(false);
                UpdateFocusCell();
            }
            break;
        case QEvent::MouseButtonRelease:
            PaintBox1MouseUp(static_cast<QMouseEvent *>(event));
            return true;
        case QEvent::KeyPress:
            return BoardKeyPress(static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
            BoardFocusIn(static_cast<QFocusEvent *>(event)->reason());
            break;
        case QEvent::FocusOut:
            UpdateFocusCell();
            break;
        case QEvent::ToolTip:
            BoardToolTip(static_cast<QHelpEvent *>(event));
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::PaintBox1MouseUp(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int house = HouseAt(at.x(), at.y());
    // The keyboard goes on from the house last clicked.
    if (house >= 0)
        MoveFocusTo(house);
    m_controller->BoardClick(ToButton(event->button()), house);
}

bool TMainForm::BoardKeyPress(QKeyEvent *event)
{
    if (const auto direction = ArrowDirection(event->key())) {
        if (!m_focus.MarkShown()) {
            // The first key only shows where the keyboard is.
            ShowFocusMark();
            return true;
        }
        BoardFocus moved = m_focus;
        if (moved.Move(*direction))
            MoveFocusTo(moved.House());
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ShowFocusMark();
        if (!event->isAutoRepeat())
            m_controller->BoardClick(MouseButton::Left, m_focus.House());
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // The board may be the window's only focus stop, so Tab may not move
        // the focus at all: it still shows the mark.
        ShowFocusMark();
        return false;
    default:
        break;
    }
    const auto button = SetupKeyButton(*event);
    if (!button || !m_controller->SetupMode())
        return false;
    ShowFocusMark();
    m_controller->BoardClick(*button, m_focus.House());
    return true;
}

void TMainForm::BoardFocusIn(Qt::FocusReason reason)
{
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        m_focus.SetMarkShown(true);
    else if (reason == Qt::MouseFocusReason)
        m_focus.SetMarkShown(false);
    UpdateFocusCell();
    // After Qt's own focus event for the surface, so the house is heard last.
    QTimer::singleShot(0, this, &TMainForm::AnnounceFocus);
}

void TMainForm::ShowFocusMark()
{
    if (m_focus.MarkShown())
        return;
    m_focus.SetMarkShown(true);
    UpdateFocusCell();
}

bool TMainForm::FocusMarkShown() const
{
    return m_focus.MarkShown() && m_ui->PaintBox1->hasFocus();
}

void TMainForm::UpdateFocusCell()
{
    m_ui->PaintBox1->update(HouseCell(m_focus.House()));
}

void TMainForm::MoveFocusTo(int house)
{
    if (house == m_focus.House())
        return;
    UpdateFocusCell();
    m_focus.SetHouse(house);
    UpdateFocusCell();
    AnnounceFocus();
}

void TMainForm::SetFocusHouse(int house)
{
    if (house < 0 || house >= HouseCount)
        return;
    MoveFocusTo(house);
    if (!m_ui->PaintBox1->hasFocus())
        m_ui->PaintBox1->setFocus(Qt::OtherFocusReason);
}

void TMainForm::PressHouse(int house)
{
    if (house < 0 || house >= HouseCount)
        return;
    MoveFocusTo(house);
    QTimer::singleShot(0, this,
                       [this, house] { m_controller->BoardClick(MouseButton::Left, house); });
}

// Two rings, dark outside and light inside (the palette's text and base
// colours), read on the orange and the yellow oval and on the panel alike.
// Even pen widths on whole-pixel rectangles keep the straight edges sharp at
// every whole device pixel ratio; the painter scales with the surface.
void TMainForm::DrawFocusMark(QPainter &painter) const
{
    const QRect cell = HouseCell(m_focus.House());
    const QPalette &colours = m_ui->PaintBox1->palette();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.color(QPalette::WindowText), 4));
    painter.drawRoundedRect(QRectF(cell).adjusted(3, 3, -3, -3), 10, 10);
    painter.setPen(QPen(colours.color(QPalette::Base), 2));
    painter.drawRoundedRect(QRectF(cell).adjusted(6, 6, -6, -6), 7, 7);
    painter.restore();
}

QString TMainForm::ItemText(int item) const
{
    const TBoard &board = m_controller->Board();
    if (item < FirstStoreItem)
        return BoardTexts::HouseName(OwnerOf(board, item), board.Seeds[item]);
    const int player = item - FirstStoreItem;
    return BoardTexts::StoreName(player, board.Taken[player]);
}

void TMainForm::BoardToolTip(QHelpEvent *event)
{
    const int item = ItemAt(event->pos().x(), event->pos().y());
    if (item < 0) {
        QToolTip::hideText();
        event->ignore();
        return;
    }
    const ItemBox box = ItemBoxOf(item);
    QToolTip::showText(event->globalPos(), ItemText(item), m_ui->PaintBox1,
                       QRect(box.x, box.y, box.width, box.height));
}

void TMainForm::RememberAnnounced()
{
    const TBoard &board = m_controller->Board();
    for (int h = 0; h < HouseCount; ++h) {
        m_heardSeeds[h] = board.Seeds[h];
        m_heardOwners[h] = OwnerOf(board, h);
    }
    m_heardTaken = {board.Taken[0], board.Taken[1]};
}

// The flash draws the picked house as if empty for a moment; its count has
// not changed, so a screen reader hears nothing of it.
void TMainForm::AnnounceChanges()
{
    if (!m_controller)
        return; // the controller is drawing its first board
    if (m_controller->FlashTimerEnabled())
        return;
    const TBoard &board = m_controller->Board();
    QWidget *surface = m_ui->PaintBox1;
    auto nameChanged = [surface](int item) {
        QAccessibleEvent event(surface, QAccessible::NameChanged);
        event.setChild(item);
        QAccessible::updateAccessibility(&event);
    };
    for (int h = 0; h < HouseCount; ++h)
        if (m_heardSeeds[h] != board.Seeds[h] || m_heardOwners[h] != OwnerOf(board, h))
            nameChanged(h);
    for (int p = 0; p < 2; ++p)
        if (m_heardTaken[p] != board.Taken[p])
            nameChanged(FirstStoreItem + p);
    RememberAnnounced();
}

void TMainForm::AnnounceFocus()
{
    if (!m_ui->PaintBox1->hasFocus())
        return;
    QAccessibleEvent event(m_ui->PaintBox1, QAccessible::Focus);
    event.setChild(m_focus.House());
    QAccessible::updateAccessibility(&event);
}

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
}

void TMainForm::SetFlashTimer(bool enabled)
{
    SetRunning(m_flashTimer, enabled);
}

void TMainForm::SetUndoEnabled(bool enabled)
{
    m_ui->UndoAction->setEnabled(enabled);
}

void TMainForm::SetStopEnabled(bool enabled)
{
    m_ui->StopAction->setEnabled(enabled);
}

void TMainForm::SetOpponentMark(int opponent)
{
    for (QAction *action : m_opponents->actions())
        if (action->data().toInt() == opponent)
            action->setChecked(true);
}

void TMainForm::SetSetupMark(bool on)
{
    m_ui->SetupItem->setChecked(on);
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
