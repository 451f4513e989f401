// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/NumberEdit.h>

#include <corvanel/Palette.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace corvanel {

namespace {

constexpr int significantDigits = 7;

// The user's locale, but strict about grouping both ways: "1,234" is not a
// number, and a number is never shown with group separators, so every text
// the edit writes reads back.
QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

TNumberEdit::TNumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool TNumberEdit::parse(float &value) const
{
    bool ok = false;
    const double number = numberLocale().toDouble(text(), &ok);
    // Infinities, NaN and numbers beyond a float's range count as "not a
    // number": the edit's neutral answer is 0, never a value the caller cannot use.
    if (!ok || !std::isfinite(number) || std::fabs(number) > std::numeric_limits<float>::max())
        return false;
    value = float(number);
    return true;
}

bool TNumberEdit::Validate() const
{
    float value = 0;
    return parse(value);
}

float TNumberEdit::GetValue() const
{
    float value = 0;
    return parse(value) ? value : 0.0f;
}

void TNumberEdit::SetValue(float value)
{
    setText(numberLocale().toString(double(value), 'g', significantDigits));
}

namespace NumberEdit {

void Register()
{
    PaletteEntry entry;
    entry.page = QStringLiteral("Corvanel 2");
    entry.className = QStringLiteral("corvanel::TNumberEdit");
    entry.includeFile = QStringLiteral("corvanel/NumberEdit.h");
    entry.toolTip = QStringLiteral("Number edit");
    entry.whatsThis = QStringLiteral("A right-aligned edit for a floating-point number.");
    entry.createWidget = &createDesigning<TNumberEdit, QWidget>;
    Palette::add(std::move(entry));
}

} // namespace NumberEdit

} // namespace corvanel
