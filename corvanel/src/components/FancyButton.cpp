// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/FancyButton.h>

#include <corvanel/ButtonGlyph.h>
#include <corvanel/Palette.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <algorithm>

namespace corvanel {

namespace {

// The held-down face: button face and highlight in a one-pixel checkerboard.
QBrush checkeredBrush(const QPalette &palette)
{
    QImage texture(2, 2, QImage::Format_RGB32);
    const QRgb face = toQColor(clBtnFace, palette).rgb();
    const QRgb highlight = toQColor(clBtnHighlight, palette).rgb();
    texture.setPixel(0, 0, face);
    texture.setPixel(1, 1, face);
    texture.setPixel(1, 0, highlight);
    texture.setPixel(0, 1, highlight);
    return QBrush(texture);
}

QSize iconSize(const QIcon &icon, const QWidget *widget)
{
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty()) {
        const int side = widget->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, widget);
        return QSize(side, side);
    }
    return *std::min_element(sizes.begin(), sizes.end(), [](QSize a, QSize b) {
        return a.width() * a.height() < b.width() * b.height();
    });
}

} // namespace

TFancyButton::TFancyButton(QWidget *parent) : QWidget(parent), m_glyph(new TButtonGlyph)
{
    setGeometry(0, 0, 23, 22);
    setMouseTracking(true);
    // Enter and Escape only reach a focused button; it takes focus like a
    // push button but draws no focus mark.
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::ButtonText);
    m_glyph->SetPalette(palette());
    m_glyph->OnChange = [this](TButtonGlyph *) { GlyphChanged(); };
}

TFancyButton::~TFancyButton() = default;

void TFancyButton::SetState(TFancyButtonState state)
{
    if (state == m_state)
        return;
    m_state = state;
    setEnabled(state != fbsDisabled);
    m_glyph->StateImage(state, false);
    repaint();
}

void TFancyButton::SetModalResult(int result)
{
    m_modalResult = TFancyModalResult(result >= mrNone && result <= mrMax ? result : mrNone);
}

void TFancyButton::SetAllowAllUp(bool allowAllUp)
{
    if (allowAllUp == m_allowAllUp)
        return;
    m_allowAllUp = allowAllUp;
    UpdateExclusive();
}

void TFancyButton::SetGroupIndex(int groupIndex)
{
    if (groupIndex == m_groupIndex)
        return;
    m_groupIndex = groupIndex;
    // Outside a group nothing can release a held button any more.
    if (groupIndex == 0 && m_down) {
        m_down = false;
        RestingState();
        repaint();
    }
    UpdateExclusive();
}

void TFancyButton::SetDown(bool down)
{
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down)
        return;
    // The held button of a group is released by another one going down.
    if (m_down && !m_allowAllUp)
        return;
    m_down = down;
    if (down) {
        if (m_state != fbsDisabled) {
            m_state = fbsExclusive;
            repaint();
        }
        UpdateExclusive();
    } else {
        RestingState();
        repaint();
    }
}

void TFancyButton::RestingState()
{
    if (m_state != fbsDisabled)
        m_state = m_mouseInside ? fbsUp : fbsMouseOut;
}

QPixmap TFancyButton::GetGlyph() const
{
    return QPixmap::fromImage(m_glyph->Source());
}

void TFancyButton::SetGlyph(const QPixmap &glyph)
{
    SetGlyph(glyph.toImage(), clDefault);
}

void TFancyButton::SetGlyph(const QImage &glyph, TColor transparentColor)
{
    m_glyph->AssignBitmap(glyph, transparentColor);
    TakeCellSize();
    update();
}

int TFancyButton::GetNumGlyphs() const
{
    return m_glyph->NumGlyphs();
}

void TFancyButton::SetNumGlyphs(int numGlyphs)
{
    numGlyphs = std::clamp(numGlyphs, 1, 5);
    if (numGlyphs == m_glyph->NumGlyphs())
        return;
    m_glyph->ChangeNumGlyphs(numGlyphs);
    TakeCellSize();
    update();
}

void TFancyButton::TakeCellSize()
{
    const QImage &source = m_glyph->Source();
    m_sizeHint = QSize(source.width() / m_glyph->NumGlyphs(), source.height());
    resize(m_sizeHint);
    updateGeometry();
}

QSize TFancyButton::sizeHint() const
{
    return m_sizeHint;
}

void TFancyButton::SetTextOffsetLeft(int offset)
{
    m_textOffsetLeft = offset;
    update();
}

void TFancyButton::SetTextOffsetTop(int offset)
{
    m_textOffsetTop = offset;
    update();
}

void TFancyButton::SetTextShadowColor(TColor color)
{
    m_textShadowColor = color;
    update();
}

void TFancyButton::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_shortcutId != 0)
        releaseShortcut(m_shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    m_shortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    update();
}

void TFancyButton::SetAction(QAction *action)
{
    if (action == m_action)
        return;
    disconnect(m_actionChanged);
    m_action = action;
    if (!action)
        return;
    m_actionChanged = connect(action, &QAction::changed, this, [this] { ActionChange(false); });
    ActionChange(true);
}

void TFancyButton::ActionChange(bool checkDefaults)
{
    if (!m_action)
        return;
    // A first link keeps what the form set on the button itself.
    if (!checkDefaults || m_caption.isEmpty())
        SetCaption(m_action->text());
    // fbsDisabled keeps the widget disabled whatever the action says.
    if ((!checkDefaults || !testAttribute(Qt::WA_ForceDisabled)) && m_state != fbsDisabled)
        setEnabled(m_action->isEnabled());
    if (!checkDefaults || toolTip().isEmpty())
        setToolTip(m_action->toolTip());
    if (!m_action->isVisible())
        hide();
    else if (!checkDefaults && isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        show();

    if (m_glyph->Source().isNull() && !m_action->icon().isNull()) {
        m_sizeHint = iconSize(m_action->icon(), this);
        resize(m_sizeHint);
        updateGeometry();
    }
}

void TFancyButton::Click()
{
    QPointer<TFancyButton> self(this);
    if (OnClick)
        OnClick(this);
    else if (m_action && !isDesigning())
        m_action->trigger();
    if (self)
        emit clicked();
}

void TFancyButton::Loaded()
{
    m_glyph->StateImage(m_state, false);
}

void TFancyButton::GlyphChanged()
{
    update();
}

bool TFancyButton::Inside(QPoint pos) const
{
    return rect().contains(pos);
}

void TFancyButton::ApplyModalResult()
{
    if (m_modalResult == mrNone || isDesigning())
        return;
    if (auto *dialog = qobject_cast<QDialog *>(window()))
        dialog->done(m_modalResult);
}

// Painting

void TFancyButton::paintEvent(QPaintEvent *)
{
    Paint();
}

void TFancyButton::Paint()
{
    if (m_state == fbsDisabled)
        m_pressing = false;
    else if (m_state == fbsUp || m_state == fbsMouseOut)
        m_state = m_mouseInside ? fbsUp : fbsMouseOut;

    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));

    QRect client = rect();
    // A single cell has no pressed look of its own; the shift stands in.
    if (m_glyph->NumGlyphs() == 1)
        client.translate(2, 2);

    // A disabled ancestor (or action) shows the disabled look; State itself
    // changes only through SetState.
    const TFancyButtonState look = isEnabled() ? m_state : fbsDisabled;
    QPoint offset(m_textOffsetLeft, m_textOffsetTop);
    if (look == fbsDown || look == fbsExclusive) {
        if (look == fbsExclusive)
            painter.fillRect(rect(), checkeredBrush(palette()));
        offset += QPoint(1, 1);
    }
    const int bidiFlags = layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : 0;
    m_glyph->DrawFace(painter, client, offset, m_caption, look, m_textShadowColor, bidiFlags);
    if (isDesigning() && m_glyph->Source().isNull() && m_caption.isEmpty())
        DrawDesignOutline(painter);
}

void TFancyButton::DrawDesignOutline(QPainter &painter) const
{
    // An empty button draws nothing at all; in a designer it still needs a
    // shape to be found and picked.
    painter.setPen(QPen(palette().color(QPalette::Dark), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

// Mouse

void TFancyButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_state != fbsDisabled) {
        if (!m_down) {
            m_state = fbsDown;
            update();
        }
        m_pressing = true;
    }
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint().x(),
                    event->position().toPoint().y());
}

void TFancyButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_pressing) {
        TFancyButtonState state = m_down ? fbsExclusive : fbsUp;
        if (Inside(pos))
            state = m_down ? fbsExclusive : fbsDown;
        if (state != m_state) {
            m_state = state;
            update();
        }
    } else if (!m_mouseInside) {
        UpdateTracking(event->globalPosition().toPoint());
    }
    if (OnMouseMove)
        OnMouseMove(this, event->modifiers(), pos.x(), pos.y());
}

void TFancyButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint globalPos = event->globalPosition().toPoint();
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    QPointer<TFancyButton> self(this);
    if (m_pressing) {
        const bool inside = Inside(pos);
        // Only a left release over the button is a click: a press dragged
        // off is the way to take it back, so it neither clicks nor closes.
        const bool click = button == Qt::LeftButton && inside;
        // OnClick sees Down and State as they were before the release.
        if (click)
            Click();
        if (!self)
            return;
        m_pressing = false;
        if (m_groupIndex == 0) {
            if (m_state != fbsDisabled)
                m_state = fbsMouseOut;
            m_mouseInside = false;
            update();
        } else if (inside) {
            SetDown(!m_down);
            if (m_down)
                repaint();
        } else {
            if (m_down)
                m_state = fbsExclusive;
            repaint();
        }
        if (click)
            ApplyModalResult();
        if (!self)
            return;
        UpdateTracking(globalPos);
    }
    if (OnMouseUp)
        OnMouseUp(this, button, modifiers, pos.x(), pos.y());
}

void TFancyButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click on a button that is not down is
    // swallowed: only a held button reacts to double clicks.
    if (event->button() == Qt::LeftButton) {
        if (m_down && OnDblClick)
            OnDblClick(this);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

// Hot tracking

void TFancyButton::UpdateTracking(QPoint globalPos)
{
    if (m_state == fbsDisabled)
        return;
    const bool over = QApplication::widgetAt(globalPos) == this;
    if (over == m_mouseInside)
        return;
    if (m_mouseInside)
        CMMouseLeave();
    else
        CMMouseEnter();
}

void TFancyButton::enterEvent(QEnterEvent *)
{
    CMMouseEnter();
}

void TFancyButton::leaveEvent(QEvent *)
{
    CMMouseLeave();
}

void TFancyButton::CMMouseEnter()
{
    if (m_mouseInside || m_state == fbsDisabled || QWidget::mouseGrabber())
        return;
    m_mouseInside = true;
    repaint();
}

void TFancyButton::CMMouseLeave()
{
    // A press dragged off keeps the flag until the release.
    if (!m_mouseInside || m_state == fbsDisabled || m_pressing)
        return;
    m_mouseInside = false;
    update();
}

// Groups

void TFancyButton::UpdateExclusive()
{
    if (m_groupIndex == 0 || !parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TFancyButton *>(Qt::FindDirectChildrenOnly);
    for (TFancyButton *sibling : siblings)
        sibling->CMButtonPressed(m_groupIndex, this);
}

void TFancyButton::CMButtonPressed(int groupIndex, TFancyButton *sender)
{
    if (groupIndex != m_groupIndex || !sender || sender == this)
        return;
    if (sender->m_down && m_down) {
        m_down = false;
        if (m_state != fbsDisabled)
            m_state = fbsUp;
        update();
    }
    m_allowAllUp = sender->m_allowAllUp;
}

// Keyboard and events

void TFancyButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter || (key == Qt::Key_Escape && m_modalResult == mrCancel)) {
        QPointer<TFancyButton> self(this);
        ApplyModalResult();
        if (self)
            Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFancyButton::CMDialogChar()
{
    if (m_state == fbsDisabled || !isVisible() || !parentWidget())
        return;
    Click();
}

bool TFancyButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (m_shortcutId != 0 && shortcut->shortcutId() == m_shortcutId) {
            CMDialogChar();
            return true;
        }
    }
    return QWidget::event(event);
}

void TFancyButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
        CMSyscolorChange();
        break;
    case QEvent::EnabledChange:
        EnabledChanged();
        break;
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TFancyButton::CMSyscolorChange()
{
    // Only the disabled look is made of palette colours; the other images
    // are plain copies of the glyph cells.
    m_glyph->SetPalette(palette());
    m_glyph->StateImage(fbsDisabled, true);
    repaint();
}

void TFancyButton::EnabledChanged()
{
    // Disabled from outside (an ancestor, the action): the paint shows the
    // disabled look, State stays. A press cut off by it gets no release.
    if (!isEnabled()) {
        m_pressing = false;
        m_glyph->StateImage(fbsDisabled, false);
    }
    update();
}

namespace FancyButton {

void Register()
{
    Palette::add({"Corvanel 2",
                  "corvanel::TFancyButton",
                  "corvanel/FancyButton.h",
                  "Glyph button with hot tracking and groups",
                  "A push button drawn from a bitmap of up to five looks, with an optional "
                  "caption, hot tracking, button groups and a dialog result.",
                  [](QWidget *parent) -> QWidget * {
                      auto *button = new TFancyButton(parent);
                      button->setDesigning(true);
                      return button;
                  },
                  {}});
}

} // namespace FancyButton

} // namespace corvanel
