// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/UnitEdit.h>

#include <corvanel/NumberEdit.h>
#include <corvanel/Palette.h>

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace corvanel {

namespace {

constexpr int defaultHeight = 20;
constexpr int unitAreaWidth = 30; // right of the number part
constexpr int unitInset = 28;     // caption's left edge, counted from the right
constexpr int unitTop = 2;
constexpr int unitHeight = 18;
constexpr int designWidth = 100; // the width a designer first gives the control

} // namespace

TUnitEdit::TUnitEdit(QWidget *parent) : QWidget(parent)
{
    resize(width(), defaultHeight);
}

TUnitEdit::~TUnitEdit() = default;

void TUnitEdit::SetUnit(const QString &unit)
{
    if (m_unit == unit)
        return;
    m_unit = unit;
    if (m_unitPart)
        m_unitPart->setText(m_unit);
}

float TUnitEdit::GetValue() const
{
    if (m_numberPart)
        return m_numberPart->GetValue();
    return m_pendingValue.value_or(0.0f);
}

void TUnitEdit::SetValue(float value)
{
    if (m_numberPart)
        m_numberPart->SetValue(value);
    else
        m_pendingValue = value;
}

void TUnitEdit::SetEditColor(TColor color)
{
    if (m_editColor == color)
        return;
    m_editColor = color;
    applyEditColor();
}

void TUnitEdit::SetUnitColor(TColor color)
{
    if (m_unitColor == color)
        return;
    m_unitColor = color;
    // The caption has no background of its own, so repainting the unit edit
    // recolours both.
    update();
}

void TUnitEdit::CreateParts()
{
    if (m_numberPart)
        return;
    const int w = width();

    m_numberPart = new TNumberEdit(this);
    m_numberPart->setObjectName(QStringLiteral("numberPart"));
    m_numberPart->setGeometry(0, 0, w - unitAreaWidth, defaultHeight);
    if (m_pendingValue)
        m_numberPart->SetValue(*m_pendingValue);
    m_pendingValue.reset();
    applyEditColor();
    setFocusProxy(m_numberPart);

    // Its right edge lies 2 pixels beyond the unit edit's and is clipped.
    m_unitPart = new QLabel(m_unit, this);
    m_unitPart->setObjectName(QStringLiteral("unitPart"));
    m_unitPart->setGeometry(w - unitInset, unitTop, unitAreaWidth, unitHeight);
    m_unitPart->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Show();
}

void TUnitEdit::Show()
{
    if (m_numberPart)
        m_numberPart->show();
    if (m_unitPart)
        m_unitPart->show();
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
    // A program places the parts once; in a designer, where the control is
    // sized by hand, they follow every resize so the form shows them as they
    // will be placed when it is loaded.
    if (!isDesigning())
        return;
    CreateParts();
    const int w = width();
    m_numberPart->setGeometry(0, 0, w - unitAreaWidth, defaultHeight);
    m_unitPart->setGeometry(w - unitInset, unitTop, unitAreaWidth, unitHeight);
}

QSize TUnitEdit::sizeHint() const
{
    return {designWidth, defaultHeight};
}

void TUnitEdit::paintEvent(QPaintEvent *)
{
    const QColor background = toQColor(m_unitColor, palette());
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
    if (!m_numberPart)
        return;
    QColor color = toQColor(m_editColor, palette(), palette().color(QPalette::Base));
    if (!color.isValid())
        color = palette().color(QPalette::Base);
    QPalette numberPalette = m_numberPart->palette();
    numberPalette.setColor(QPalette::Base, color);
    m_numberPart->setPalette(numberPalette);
}

namespace UnitEdit {

void Register()
{
    PaletteEntry entry;
    entry.page = QStringLiteral("Corvanel 2");
    entry.className = QStringLiteral("corvanel::TUnitEdit");
    entry.includeFile = QStringLiteral("corvanel/UnitEdit.h");
    entry.toolTip = QStringLiteral("Unit edit");
    entry.whatsThis = QStringLiteral("A number edit with a unit caption on its right.");
    entry.createWidget = &createDesigning<TUnitEdit, QWidget>;
    Palette::add(std::move(entry));
}

} // namespace UnitEdit

} // namespace corvanel
