// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/FancyButton.h>

#include "FancyButtonAccessible.h"
#include <corvanel/ButtonGlyph.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
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

struct TFancyButton::Private
{
    int groupIndex = 0;
    std::unique_ptr<TButtonGlyph> glyph{new TButtonGlyph};
    bool down = false;
    bool pressing = false;
    bool allowAllUp = false;
    bool mouseInside = false;
    // Set while a setter changes the glyph, which then notifies once itself.
    bool settingGlyph = false;
    int textOffsetLeft = 0;
    int textOffsetTop = 0;
    TColor textShadowColor = clNone;
    TFancyButtonState state = fbsMouseOut;
    TFancyModalResult modalResult = mrNone;

    QString caption;
    int shortcutId = 0;
    QPointer<QAction> action;
    QMetaObject::Connection actionChanged;
    QMetaObject::Connection actionDestroyed;
    QSize sizeHint{23, 22};
    // What the change signals last announced of the glyph.
    QImage shownSource;
    int shownNumGlyphs = 1;

    TNotifyEvent onClick;
    TNotifyEvent onDblClick;
    TMouseEvent onMouseDown;
    TMouseMoveEvent onMouseMove;
    TMouseEvent onMouseUp;
};

TFancyButton::TFancyButton(QWidget *parent) : QWidget(parent), d(new Private)
{
    static const bool accessible = [] {
        QAccessible::installFactory(&FancyButtonAccessible::create);
        return true;
    }();
    Q_UNUSED(accessible);
    setGeometry(0, 0, 23, 22);
    setMouseTracking(true);
    // Enter and Escape only reach a focused button; it takes focus like a
    // push button and shows it with the style's focus mark.
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::ButtonText);
    d->glyph->SetPalette(palette());
    d->glyph->SetOnChange([this](TButtonGlyph *) { OnGlyphChange(); });
    connect(this, &TFancyButton::CaptionChanged, this, [this] {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
    const auto announceState = [this] {
        QAccessible::State changed;
        changed.pressed = true;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    };
    connect(this, &TFancyButton::StateChanged, this, announceState);
    connect(this, &TFancyButton::DownChanged, this, announceState);
}

TFancyButton::~TFancyButton() = default;

TFancyButtonState TFancyButton::State() const noexcept
{
    return d->state;
}

void TFancyButton::SetState(TFancyButtonState state)
{
    if (state == d->state)
        return;
    d->state = state;
    setEnabled(state != fbsDisabled);
    d->glyph->StateImage(state, false);
    repaint();
    emit StateChanged(state);
}

// The button's own changes of State: the pointer, the mouse buttons, the
// group. Only SetState enters or leaves fbsDisabled.
void TFancyButton::ChangeState(TFancyButtonState state)
{
    if (state == d->state)
        return;
    d->state = state;
    emit StateChanged(state);
}

int TFancyButton::ModalResult() const noexcept
{
    return d->modalResult;
}

void TFancyButton::SetModalResult(int result)
{
    const auto value = TFancyModalResult(result >= mrNone && result <= mrMax ? result : mrNone);
    if (value == d->modalResult)
        return;
    d->modalResult = value;
    emit ModalResultChanged(value);
}

bool TFancyButton::AllowAllUp() const noexcept
{
    return d->allowAllUp;
}

void TFancyButton::SetAllowAllUp(bool allowAllUp)
{
    if (allowAllUp == d->allowAllUp)
        return;
    d->allowAllUp = allowAllUp;
    emit AllowAllUpChanged(allowAllUp);
    UpdateExclusive();
}

int TFancyButton::GroupIndex() const noexcept
{
    return d->groupIndex;
}

void TFancyButton::SetGroupIndex(int groupIndex)
{
    if (groupIndex == d->groupIndex)
        return;
    d->groupIndex = groupIndex;
    emit GroupIndexChanged(groupIndex);
    // Outside a group nothing can release a held button any more.
    if (groupIndex == 0 && d->down) {
        d->down = false;
        RestingState();
        repaint();
        emit DownChanged(false);
    }
    UpdateExclusive();
}

bool TFancyButton::Down() const noexcept
{
    return d->down;
}

void TFancyButton::SetDown(bool down)
{
    if (d->groupIndex == 0)
        down = false;
    if (down == d->down)
        return;
    // The held button of a group is released by another one going down.
    if (d->down && !d->allowAllUp)
        return;
    d->down = down;
    if (down) {
        if (d->state != fbsDisabled) {
            ChangeState(fbsExclusive);
            repaint();
        }
        emit DownChanged(true);
        UpdateExclusive();
    } else {
        RestingState();
        repaint();
        emit DownChanged(false);
    }
}

void TFancyButton::RestingState()
{
    if (d->state != fbsDisabled)
        ChangeState(d->mouseInside ? fbsUp : fbsMouseOut);
}

QPixmap TFancyButton::GetGlyph() const
{
    return QPixmap::fromImage(d->glyph->Source());
}

void TFancyButton::SetGlyph(const QPixmap &glyph)
{
    SetGlyph(glyph.toImage(), clDefault);
}

void TFancyButton::SetGlyph(const QImage &glyph, TColor transparentColor)
{
    d->settingGlyph = true;
    d->glyph->AssignBitmap(glyph, transparentColor);
    d->settingGlyph = false;
    TakeCellSize();
    update();
    NotifyGlyph();
}

int TFancyButton::GetNumGlyphs() const
{
    return d->glyph->NumGlyphs();
}

void TFancyButton::SetNumGlyphs(int numGlyphs)
{
    numGlyphs = std::clamp(numGlyphs, 1, 5);
    if (numGlyphs == d->glyph->NumGlyphs())
        return;
    d->settingGlyph = true;
    d->glyph->ChangeNumGlyphs(numGlyphs);
    d->settingGlyph = false;
    TakeCellSize();
    update();
    NotifyGlyph();
}

void TFancyButton::TakeCellSize()
{
    d->sizeHint = d->glyph->CellSize();
    resize(d->sizeHint);
    updateGeometry();
}

QSize TFancyButton::sizeHint() const
{
    return d->sizeHint;
}

int TFancyButton::TextOffsetLeft() const noexcept
{
    return d->textOffsetLeft;
}

void TFancyButton::SetTextOffsetLeft(int offset)
{
    if (offset == d->textOffsetLeft)
        return;
    d->textOffsetLeft = offset;
    update();
    emit TextOffsetLeftChanged(offset);
}

int TFancyButton::TextOffsetTop() const noexcept
{
    return d->textOffsetTop;
}

void TFancyButton::SetTextOffsetTop(int offset)
{
    if (offset == d->textOffsetTop)
        return;
    d->textOffsetTop = offset;
    update();
    emit TextOffsetTopChanged(offset);
}

TColor TFancyButton::TextShadowColor() const noexcept
{
    return d->textShadowColor;
}

void TFancyButton::SetTextShadowColor(TColor color)
{
    if (color == d->textShadowColor)
        return;
    d->textShadowColor = color;
    update();
    emit TextShadowColorChanged(color);
}

QString TFancyButton::Caption() const
{
    return d->caption;
}

void TFancyButton::SetCaption(const QString &caption)
{
    if (caption == d->caption)
        return;
    d->caption = caption;
    if (d->shortcutId != 0)
        releaseShortcut(d->shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    d->shortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    update();
    emit CaptionChanged(caption);
}

QAction *TFancyButton::Action() const
{
    return d->action;
}

void TFancyButton::SetAction(QAction *action)
{
    if (action == d->action)
        return;
    disconnect(d->actionChanged);
    disconnect(d->actionDestroyed);
    d->action = action;
    if (action) {
        d->actionChanged =
            connect(action, &QAction::changed, this, [this] { ActionChange(false); });
        d->actionDestroyed =
            connect(action, &QObject::destroyed, this, [this] { emit ActionChanged(nullptr); });
        ActionChange(true);
    }
    emit ActionChanged(action);
}

void TFancyButton::ActionChange(bool checkDefaults)
{
    if (!d->action)
        return;
    // A first link keeps what the form set on the button itself.
    if (!checkDefaults || d->caption.isEmpty())
        SetCaption(d->action->text());
    // fbsDisabled keeps the widget disabled whatever the action says.
    if ((!checkDefaults || !testAttribute(Qt::WA_ForceDisabled)) && d->state != fbsDisabled)
        setEnabled(d->action->isEnabled());
    if (!checkDefaults || toolTip().isEmpty())
        setToolTip(d->action->toolTip());
    if (!d->action->isVisible())
        hide();
    else if (!checkDefaults && isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        show();

    if (d->glyph->Source().isNull() && !d->action->icon().isNull()) {
        d->sizeHint = iconSize(d->action->icon(), this);
        resize(d->sizeHint);
        updateGeometry();
    }
}

TButtonGlyph &TFancyButton::Glyph() const noexcept
{
    return *d->glyph;
}

TNotifyEvent TFancyButton::OnClick() const
{
    return d->onClick;
}

void TFancyButton::SetOnClick(TNotifyEvent handler)
{
    d->onClick = std::move(handler);
}

TNotifyEvent TFancyButton::OnDblClick() const
{
    return d->onDblClick;
}

void TFancyButton::SetOnDblClick(TNotifyEvent handler)
{
    d->onDblClick = std::move(handler);
}

TFancyButton::TMouseEvent TFancyButton::OnMouseDown() const
{
    return d->onMouseDown;
}

void TFancyButton::SetOnMouseDown(TMouseEvent handler)
{
    d->onMouseDown = std::move(handler);
}

TFancyButton::TMouseMoveEvent TFancyButton::OnMouseMove() const
{
    return d->onMouseMove;
}

void TFancyButton::SetOnMouseMove(TMouseMoveEvent handler)
{
    d->onMouseMove = std::move(handler);
}

TFancyButton::TMouseEvent TFancyButton::OnMouseUp() const
{
    return d->onMouseUp;
}

void TFancyButton::SetOnMouseUp(TMouseEvent handler)
{
    d->onMouseUp = std::move(handler);
}

void TFancyButton::Click()
{
    QPointer<TFancyButton> self(this);
    if (d->onClick)
        d->onClick(this);
    else if (d->action && !isDesigning())
        d->action->trigger();
    if (self)
        emit clicked();
}

void TFancyButton::Press()
{
    if (d->state == fbsDisabled || !isEnabled())
        return;
    QPointer<TFancyButton> self(this);
    Click();
    if (!self)
        return;
    if (d->groupIndex != 0)
        SetDown(!d->down);
    ApplyModalResult();
}

void TFancyButton::Loaded()
{
    d->glyph->StateImage(d->state, false);
}

void TFancyButton::OnGlyphChange()
{
    update();
    if (!d->settingGlyph)
        NotifyGlyph();
}

// Announces what changed of the glyph since the last call: the bitmap (by
// its pixels, so assigning an equal one is no change) and the cell count.
void TFancyButton::NotifyGlyph()
{
    QPointer<TFancyButton> self(this);
    const QImage &source = d->glyph->Source();
    if (source != d->shownSource) {
        d->shownSource = source;
        emit GlyphChanged();
    }
    if (self && d->glyph->NumGlyphs() != d->shownNumGlyphs) {
        d->shownNumGlyphs = d->glyph->NumGlyphs();
        emit NumGlyphsChanged(d->shownNumGlyphs);
    }
}

bool TFancyButton::Inside(QPoint pos) const
{
    return rect().contains(pos);
}

void TFancyButton::ApplyModalResult()
{
    if (d->modalResult == mrNone || isDesigning())
        return;
    if (auto *dialog = qobject_cast<QDialog *>(window()))
        dialog->done(d->modalResult);
}

// Painting

void TFancyButton::paintEvent(QPaintEvent *)
{
    Paint();
}

void TFancyButton::Paint()
{
    if (d->state == fbsDisabled)
        d->pressing = false;
    else if (d->state == fbsUp || d->state == fbsMouseOut)
        ChangeState(d->mouseInside ? fbsUp : fbsMouseOut);

    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));

    QRect client = rect();
    // A single cell has no pressed look of its own; the shift stands in.
    if (d->glyph->NumGlyphs() == 1)
        client.translate(2, 2);

    // A disabled ancestor (or action) shows the disabled look; State itself
    // changes only through SetState.
    const TFancyButtonState look = isEnabled() ? d->state : fbsDisabled;
    QPoint offset(d->textOffsetLeft, d->textOffsetTop);
    if (look == fbsDown || look == fbsExclusive) {
        if (look == fbsExclusive)
            painter.fillRect(rect(), checkeredBrush(palette()));
        offset += QPoint(1, 1);
    }
    const int bidiFlags = layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : 0;
    d->glyph->DrawFace(painter, client, offset, d->caption, look, d->textShadowColor, bidiFlags);
    if (isDesigning() && d->glyph->Source().isNull() && d->caption.isEmpty())
        DrawDesignOutline(painter);
    if (hasFocus() && !isDesigning()) {
        // The style decides when (as a rule after keyboard navigation).
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(backgroundRole());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
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
    // While designing, the pointer changes nothing: a form file must not
    // depend on where it was.
    if (event->button() == Qt::LeftButton && d->state != fbsDisabled && !isDesigning()) {
        if (!d->down) {
            ChangeState(fbsDown);
            update();
        }
        d->pressing = true;
    }
    if (d->onMouseDown)
        d->onMouseDown(this, event->button(), event->modifiers(), event->position().toPoint().x(),
                       event->position().toPoint().y());
}

void TFancyButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (d->pressing) {
        TFancyButtonState state = d->down ? fbsExclusive : fbsUp;
        if (Inside(pos))
            state = d->down ? fbsExclusive : fbsDown;
        if (state != d->state) {
            ChangeState(state);
            update();
        }
    } else if (!d->mouseInside && !isDesigning()) {
        UpdateTracking(event->globalPosition().toPoint());
    }
    if (d->onMouseMove)
        d->onMouseMove(this, event->modifiers(), pos.x(), pos.y());
}

void TFancyButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint globalPos = event->globalPosition().toPoint();
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    QPointer<TFancyButton> self(this);
    if (d->pressing) {
        const bool inside = Inside(pos);
        // Only a left release over the button is a click. Every release that
        // ends a press sets the dialog's result, also one dragged off.
        const bool click = button == Qt::LeftButton && inside;
        // OnClick sees Down and State as they were before the release.
        if (click)
            Click();
        if (!self)
            return;
        d->pressing = false;
        if (d->groupIndex == 0) {
            if (d->state != fbsDisabled)
                ChangeState(fbsMouseOut);
            d->mouseInside = false;
            update();
        } else if (inside) {
            SetDown(!d->down);
            if (d->down)
                repaint();
        } else {
            if (d->down)
                ChangeState(fbsExclusive);
            repaint();
        }
        ApplyModalResult();
        if (!self)
            return;
        UpdateTracking(globalPos);
    }
    if (d->onMouseUp)
        d->onMouseUp(this, button, modifiers, pos.x(), pos.y());
}

void TFancyButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click on a button that is not down is
    // swallowed: only a held button reacts to double clicks.
    if (event->button() == Qt::LeftButton) {
        if (d->down) {
            QPointer<TFancyButton> self(this);
            if (d->onDblClick)
                d->onDblClick(this);
            if (self)
                emit doubleClicked();
        }
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

// Hot tracking

void TFancyButton::UpdateTracking(QPoint globalPos)
{
    if (d->state == fbsDisabled || isDesigning())
        return;
    const bool over = QApplication::widgetAt(globalPos) == this;
    if (over == d->mouseInside)
        return;
    if (d->mouseInside)
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
    if (d->mouseInside || d->state == fbsDisabled || QWidget::mouseGrabber() || isDesigning())
        return;
    d->mouseInside = true;
    repaint();
}

void TFancyButton::CMMouseLeave()
{
    // A press dragged off keeps the flag until the release.
    if (!d->mouseInside || d->state == fbsDisabled || d->pressing)
        return;
    d->mouseInside = false;
    update();
}

// Groups

void TFancyButton::UpdateExclusive()
{
    if (d->groupIndex == 0 || !parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TFancyButton *>(Qt::FindDirectChildrenOnly);
    for (TFancyButton *sibling : siblings)
        sibling->CMButtonPressed(d->groupIndex, this);
}

void TFancyButton::CMButtonPressed(int groupIndex, TFancyButton *sender)
{
    if (groupIndex != d->groupIndex || !sender || sender == this)
        return;
    if (sender->d->down && d->down) {
        d->down = false;
        if (d->state != fbsDisabled)
            ChangeState(fbsUp);
        update();
        emit DownChanged(false);
    }
    if (d->allowAllUp != sender->d->allowAllUp) {
        d->allowAllUp = sender->d->allowAllUp;
        emit AllowAllUpChanged(d->allowAllUp);
    }
}

// Keyboard and events

void TFancyButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter || (key == Qt::Key_Escape && d->modalResult == mrCancel)) {
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
    if (d->state == fbsDisabled || !isVisible() || !parentWidget())
        return;
    Click();
}

bool TFancyButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (d->shortcutId != 0 && shortcut->shortcutId() == d->shortcutId) {
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
    d->glyph->SetPalette(palette());
    d->glyph->StateImage(fbsDisabled, true);
    repaint();
}

void TFancyButton::EnabledChanged()
{
    // Disabled from outside (an ancestor, the action): the paint shows the
    // disabled look, State stays. A press cut off by it gets no release.
    if (!isEnabled()) {
        d->pressing = false;
        d->glyph->StateImage(fbsDisabled, false);
    }
    update();
}

} // namespace corvanel
