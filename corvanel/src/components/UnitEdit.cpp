// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/UnitEdit.h>

#include <corvanel/NumberEdit.h>

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>

namespace corvanel {

namespace {

constexpr int defaultHeight = 20;
constexpr int unitAreaWidth = 30; // right of the number part
constexpr int unitInset = 28;     // caption's left edge, counted from the right
constexpr int unitTop = 2;
constexpr int unitHeight = 18;
constexpr int designWidth = 100; // the width a designer first gives the control

} // namespace

struct TUnitEdit::Private
{
    TNumberEdit *numberPart = nullptr;
    QLabel *unitPart = nullptr;
    QString unit;
    TColor editColor = clWindow;
    TColor unitColor = clBtnFace;
    // A Value given before the number part exists.
    std::optional<float> pendingValue;
};

TUnitEdit::TUnitEdit(QWidget *parent) : QWidget(parent), d(new Private)
{
    resize(width(), defaultHeight);
}

TUnitEdit::~TUnitEdit() = default;

QString TUnitEdit::Unit() const
{
    return d->unit;
}

TColor TUnitEdit::EditColor() const noexcept
{
    return d->editColor;
}

TColor TUnitEdit::UnitColor() const noexcept
{
    return d->unitColor;
}

TNumberEdit *TUnitEdit::NumberPart() const noexcept
{
    return d->numberPart;
}

QLabel *TUnitEdit::UnitPart() const noexcept
{
    return d->unitPart;
}

void TUnitEdit::SetUnit(const QString &unit)
{
    if (d->unit == unit)
        return;
    d->unit = unit;
    if (d->unitPart)
        d->unitPart->setText(d->unit);
    emit UnitChanged(unit);
}

float TUnitEdit::GetValue() const
{
    if (d->numberPart)
        return d->numberPart->GetValue();
    return d->pendingValue.value_or(0.0f);
}

void TUnitEdit::SetValue(float value)
{
    // Once the number part exists, its ValueChanged is the unit edit's.
    if (d->numberPart) {
        d->numberPart->SetValue(value);
        return;
    }
    // As the number part would: no text holds an infinity or a NaN.
    if (!std::isfinite(value))
        value = 0;
    const float before = GetValue();
    d->pendingValue = value;
    if (std::bit_cast<quint32>(before) != std::bit_cast<quint32>(value))
        emit ValueChanged(value);
}

void TUnitEdit::SetEditColor(TColor color)
{
    if (d->editColor == color)
        return;
    d->editColor = color;
    applyEditColor();
    emit EditColorChanged(color);
}

void TUnitEdit::SetUnitColor(TColor color)
{
    if (d->unitColor == color)
        return;
    d->unitColor = color;
    // The caption has no background of its own, so repainting the unit edit
    // recolours both.
    update();
    emit UnitColorChanged(color);
}

void TUnitEdit::CreateParts()
{
    if (d->numberPart)
        return;
    d->numberPart = new TNumberEdit(this);
    d->numberPart->setObjectName(QStringLiteral("numberPart"));
    if (d->pendingValue)
        d->numberPart->SetValue(*d->pendingValue);
    d->pendingValue.reset();
    connect(d->numberPart, &TNumberEdit::ValueChanged, this, &TUnitEdit::ValueChanged);
    applyEditColor();
    setFocusProxy(d->numberPart);

    d->unitPart = new QLabel(d->unit, this);
    d->unitPart->setObjectName(QStringLiteral("unitPart"));
    d->unitPart->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    placeParts();
    Show();
}

// The number part fills all but the last 30 pixels; the caption's right edge
// lies 2 pixels beyond the unit edit's and is clipped.
void TUnitEdit::placeParts()
{
    if (!d->numberPart)
        return;
    const int w = width();
    d->numberPart->setGeometry(0, 0, std::max(w - unitAreaWidth, 0), defaultHeight);
    d->unitPart->setGeometry(w - unitInset, unitTop, unitAreaWidth, unitHeight);
}

void TUnitEdit::Show()
{
    if (d->numberPart)
        d->numberPart->show();
    if (d->unitPart)
        d->unitPart->show();
}

void TUnitEdit::Loaded()
{
    CreateParts();
}

void TUnitEdit::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    CreateParts();
}

void TUnitEdit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The parts follow every size the control is given: a layout sizes it
    // after the form is loaded, and again whenever the window changes. In a
    // designer the parts exist from the first resize on, so the form shows
    // them as they will be placed.
    if (isDesigning())
        CreateParts();
    placeParts();
}

QSize TUnitEdit::sizeHint() const
{
    return {designWidth, defaultHeight};
}

void TUnitEdit::paintEvent(QPaintEvent *)
{
    const QColor background = toQColor(d->unitColor, palette());
    if (!background.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), background);
}

void TUnitEdit::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // System colours are resolved through the palette, so follow its changes.
    if (event->type() == QEvent::PaletteChange)
        applyEditColor();
}

// The unit edit's own palette is never changed, so it stays the source that
// system colours resolve against.
void TUnitEdit::applyEditColor()
{
    if (!d->numberPart)
        return;
    QColor color = toQColor(d->editColor, palette(), palette().color(QPalette::Base));
    if (!color.isValid())
        color = palette().color(QPalette::Base);
    QPalette numberPalette = d->numberPart->palette();
    numberPalette.setColor(QPalette::Base, color);
    d->numberPart->setPalette(numberPalette);
}

} // namespace corvanel
