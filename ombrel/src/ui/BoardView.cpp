// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardView.h"

#include "ui/BoardGeometry.h"
#include "ui/BoardTexts.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include <optional>
#include <utility>

namespace ombrel {

namespace {

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

QRect TakenRow(int player)
{
    return QRect(0, StoreTop(player), SurfaceWidth, StoreHeight);
}

QRect HouseCell(int house)
{
    return QRect(HouseLeft(house), HouseTop(house), HouseSize, HouseSize);
}

// Insert and + (main keyboard) add a seed in setup mode, Delete and - take
// one; the keypad's + and - keep their own meaning (the window's).
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

BoardView::BoardView(QWidget *parent) : QWidget(parent)
{
    // Tab or a click gives the board the keyboard.
    setFocusPolicy(Qt::StrongFocus);
}

// --- what to show -----------------------------------------------------------

void BoardView::ShowHouse(int house, int seeds, int owner)
{
    if (house < 0 || house >= HouseCount)
        return;
    m_shown.Seeds[house] = seeds;
    m_shown.Owners[house] = owner;
    if (house == m_blinkHouse)
        m_blinkHouse = -1;
    DrawCell(HouseCell(house), [&](QPainter &painter) { DrawHouseInto(painter, house); });
}

void BoardView::ShowStore(int player, int groups)
{
    if (player < 0 || player > 1)
        return;
    m_shown.Groups[player] = groups;
    DrawCell(TakenRow(player), [&](QPainter &painter) { DrawTakenInto(painter, player); });
}

void BoardView::ShowBoard(const TBoard &board, bool immediate)
{
    for (int h = 0; h < HouseCount; ++h) {
        m_shown.Seeds[h] = board.Seeds[h];
        m_shown.Owners[h] = OwnerOf(board, h);
    }
    m_shown.Groups = {board.Taken[0], board.Taken[1]};
    m_blinkHouse = -1;
    if (!m_hasBoard) {
        m_hasBoard = true;
        m_heard = m_shown;
    }
    m_backingValid = false;
    AnnounceChanges();
    if (immediate) {
        PaintAll();
        repaint();
    } else {
        update();
    }
}

void BoardView::ShowBlink(int house, bool on)
{
    if (house < 0 || house >= HouseCount)
        return;
    if (on)
        m_blinkHouse = house;
    else if (house == m_blinkHouse)
        m_blinkHouse = -1;
    DrawCell(HouseCell(house), [&](QPainter &painter) { DrawHouseInto(painter, house); });
}

QList<QRect> BoardView::TakeDrawnRects()
{
    return std::exchange(m_drawnRects, {});
}

QString BoardView::ItemName(int item) const
{
    if (item < 0 || item >= BoardItemCount)
        return {};
    if (item < FirstStoreItem)
        return BoardTexts::HouseName(m_shown.Owners[item], m_shown.Seeds[item]);
    const int player = item - FirstStoreItem;
    return BoardTexts::StoreName(player, m_shown.Groups[player]);
}

// --- drawing ----------------------------------------------------------------

void BoardView::EnsureBacking()
{
    const qreal dpr = devicePixelRatioF();
    if (!m_backing.isNull() && m_backing.devicePixelRatio() == dpr)
        return;
    m_backing = QPixmap(QSize(SurfaceWidth, SurfaceHeight) * dpr);
    m_backing.setDevicePixelRatio(dpr);
    m_backingValid = false;
}

void BoardView::DrawHouseInto(QPainter &painter, int house)
{
    const qreal dpr = m_backing.devicePixelRatio();
    const QPoint at(HouseLeft(house), HouseTop(house));
    const int seeds = house == m_blinkHouse ? 0 : m_shown.Seeds[house];
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(at, QSize(HouseSize, HouseSize)), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawPixmap(at, m_pictures.House(m_shown.Owners[house], dpr));
    painter.drawPixmap(at, m_pictures.Seeds(seeds, dpr));
}

void BoardView::DrawTakenInto(QPainter &painter, int player)
{
    const qreal dpr = m_backing.devicePixelRatio();
    const QPixmap picture = m_pictures.Taken(dpr);
    const int count = m_shown.Groups[player];
    for (int k = 0; k < count && BoardPictures::TakenSize * k < SurfaceWidth; ++k)
        painter.drawPixmap(QPoint(BoardPictures::TakenSize * k, StoreTop(player)), picture);
}

void BoardView::PaintAll()
{
    EnsureBacking();
    m_backing.fill(Qt::transparent);
    QPainter painter(&m_backing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int h = 0; h < HouseCount; ++h)
        DrawHouseInto(painter, h);
    DrawTakenInto(painter, 0);
    DrawTakenInto(painter, 1);
    m_backingValid = true;
}

// Redraws one cell into the backing pixmap (the whole board when the pixmap is
// stale) and queues just that cell for the screen.
template <typename Draw> void BoardView::DrawCell(const QRect &cell, Draw draw)
{
    EnsureBacking();
    if (!m_backingValid) {
        PaintAll();
    } else {
        QPainter painter(&m_backing);
        draw(painter);
    }
    m_drawnRects.append(cell);
    update(cell);
    AnnounceChanges();
}

void BoardView::paintEvent(QPaintEvent *)
{
    EnsureBacking();
    if (!m_backingValid)
        PaintAll();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_backing);
    if (FocusMarkShown())
        DrawFocusMark(painter);
    DrawAnalysis(painter);
}

void BoardView::SetAnalysis(const std::array<int, HouseCount> &scores,
                            const std::array<bool, HouseCount> &shown, bool exact)
{
    const auto before = m_scored;
    const auto beforeScores = m_scores;
    const bool beforeExact = m_exact;
    m_scores = scores;
    m_scored = shown;
    m_exact = exact;
    std::array<bool, HouseCount> changed{};
    for (int h = 0; h < HouseCount; ++h)
        changed[std::size_t(h)] =
            before[std::size_t(h)] != shown[std::size_t(h)] ||
            (shown[std::size_t(h)] &&
             (beforeScores[std::size_t(h)] != scores[std::size_t(h)] || beforeExact != exact));
    AnnounceAnalysis(changed);
    update();
}

void BoardView::ClearAnalysis()
{
    if (m_scored == std::array<bool, HouseCount>{})
        return;
    SetAnalysis(m_scores, {});
}

QString BoardView::ItemAnalysis(int item) const
{
    if (item < 0 || item >= HouseCount || !m_scored[std::size_t(item)])
        return {};
    const int score = m_scores[std::size_t(item)];
    return m_exact ? tr("Score %1, exact").arg(score) : tr("Score %1").arg(score);
}

// A small label on the lower edge of each scored house, in the palette's
// colours so that it reads on any picture; an exact score reads "=7", in bold.
void BoardView::DrawAnalysis(QPainter &painter) const
{
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    font.setBold(m_exact);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (int h = 0; h < HouseCount; ++h) {
        if (!m_scored[std::size_t(h)])
            continue;
        const QString number = QString::number(m_scores[std::size_t(h)]);
        const QString text = m_exact ? QLatin1Char('=') + number : number;
        const int width = metrics.horizontalAdvance(text) + 6;
        const int height = metrics.height();
        const QRect box(HouseLeft(h) + (HouseSize - width) / 2, HouseTop(h) + HouseSize - height,
                        width, height);
        painter.fillRect(box, palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void BoardView::AnnounceAnalysis(const std::array<bool, HouseCount> &changed)
{
    for (int h = 0; h < HouseCount; ++h) {
        if (!changed[std::size_t(h)])
            continue;
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        event.setChild(h);
        QAccessible::updateAccessibility(&event);
    }
}

// Two rings in the cell's margin, around the house's picture and never over
// it: light outside (the palette's base colour, read on the panel) and dark
// inside (its text colour). The picture's oval reaches the margin only at the
// middle of each side, and the rings' rounded corners keep clear of it.
// Straight edges lie on whole pixels, so they stay sharp at every whole
// device pixel ratio; the painter scales with the surface.
void BoardView::DrawFocusMark(QPainter &painter) const
{
    const QRect cell = HouseCell(m_focus.House());
    const QPalette &colours = palette();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.color(QPalette::Base), 1));
    painter.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    painter.setPen(QPen(colours.color(QPalette::WindowText), 2));
    painter.drawRoundedRect(QRectF(cell).adjusted(2, 2, -2, -2), 10, 10);
    painter.restore();
}

// --- input ------------------------------------------------------------------

bool BoardView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (KeyPress(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::ToolTip:
        ToolTip(static_cast<QHelpEvent *>(event));
        return true;
    default:
        break;
    }
    return QWidget::event(event);
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    // A mouse player sees the board as it always was.
    if (m_focus.MarkShown()) {
        m_focus.SetMarkShown(false);
        UpdateFocusCell();
    }
    QWidget::mousePressEvent(event);
}

void BoardView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int house = HouseAt(at.x(), at.y());
    // The keyboard goes on from the house last clicked.
    if (house >= 0)
        MoveFocusTo(house);
    emit Clicked(ToButton(event->button()), house);
}

bool BoardView::KeyPress(QKeyEvent *event)
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
            emit Clicked(MouseButton::Left, m_focus.House());
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
    if (!button || !m_setupMode)
        return false;
    ShowFocusMark();
    emit Clicked(*button, m_focus.House());
    return true;
}

void BoardView::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        m_focus.SetMarkShown(true);
    else if (reason == Qt::MouseFocusReason)
        m_focus.SetMarkShown(false);
    UpdateFocusCell();
    // After Qt's own focus event for the surface, so the house is heard last.
    QTimer::singleShot(0, this, &BoardView::AnnounceFocus);
    QWidget::focusInEvent(event);
}

void BoardView::focusOutEvent(QFocusEvent *event)
{
    UpdateFocusCell();
    QWidget::focusOutEvent(event);
}

void BoardView::ShowFocusMark()
{
    if (m_focus.MarkShown())
        return;
    m_focus.SetMarkShown(true);
    UpdateFocusCell();
}

bool BoardView::FocusMarkShown() const
{
    return m_focus.MarkShown() && hasFocus();
}

void BoardView::UpdateFocusCell()
{
    update(HouseCell(m_focus.House()));
}

void BoardView::MoveFocusTo(int house)
{
    if (house == m_focus.House())
        return;
    UpdateFocusCell();
    m_focus.SetHouse(house);
    UpdateFocusCell();
    AnnounceFocus();
}

void BoardView::SetFocusHouse(int house)
{
    if (house < 0 || house >= HouseCount)
        return;
    MoveFocusTo(house);
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void BoardView::PressHouse(int house)
{
    if (house < 0 || house >= HouseCount)
        return;
    MoveFocusTo(house);
    QTimer::singleShot(0, this, [this, house] { emit Clicked(MouseButton::Left, house); });
}

void BoardView::ToolTip(QHelpEvent *event)
{
    const int item = ItemAt(event->pos().x(), event->pos().y());
    if (item < 0) {
        QToolTip::hideText();
        event->ignore();
        return;
    }
    const ItemBox box = ItemBoxOf(item);
    QToolTip::showText(event->globalPos(), ItemName(item), this,
                       QRect(box.x, box.y, box.width, box.height));
}

// --- assistive technology ---------------------------------------------------

void BoardView::AnnounceChanges()
{
    if (!m_hasBoard)
        return;
    auto nameChanged = [this](int item) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        event.setChild(item);
        QAccessible::updateAccessibility(&event);
    };
    for (int h = 0; h < HouseCount; ++h)
        if (m_heard.Seeds[h] != m_shown.Seeds[h] || m_heard.Owners[h] != m_shown.Owners[h])
            nameChanged(h);
    for (int p = 0; p < 2; ++p)
        if (m_heard.Groups[p] != m_shown.Groups[p])
            nameChanged(FirstStoreItem + p);
    m_heard = m_shown;
}

void BoardView::AnnounceFocus()
{
    if (!hasFocus())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(m_focus.House());
    QAccessible::updateAccessibility(&event);
}

} // namespace ombrel
