// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/NumberEdit.h>

#include <QLocale>

#include <bit>
#include <cmath>
#include <limits>

namespace corvanel {

namespace {

constexpr int significantDigits = 7;
// Fixed notation from 1E-5 up to 7 digits before the point, else scientific.
constexpr int smallestFixedExponent = -5;

// Numbers are written and read with ASCII digits, '-' and an 'E' exponent;
// only the decimal separator is the user's (the default QLocale's). The
// locale's own digits, signs and exponent (Arabic digits, U+2212, "×10^")
// would not read back in every locale, and nor would group separators.
QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

QString withoutTrailingZeros(QString digits)
{
    if (!digits.contains(QLatin1Char('.')))
        return digits;
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    if (digits.endsWith(QLatin1Char('.')))
        digits.chop(1);
    return digits;
}

// General format with 7 significant digits: 0.3333333, 1234567, 1.234568E7,
// 2.5E-9, with a '.' for the decimal separator.
QString generalFormat(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    // The scientific form rounds to the digits first, so the exponent is that
    // of the rounded number (9999999.5 is 1E7).
    const QString scientific = QString::number(value, 'e', significantDigits - 1);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    if (exponent >= smallestFixedExponent && exponent < significantDigits)
        return withoutTrailingZeros(QString::number(value, 'f', significantDigits - 1 - exponent));
    return withoutTrailingZeros(scientific.left(e)) + QLatin1Char('E') + QString::number(exponent);
}

// Accepts [sign] digits [point [digits]] [E [sign] digits], with at least one
// digit before the exponent; blanks around the number are allowed.
bool isNumberSyntax(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto digitsFrom = [&](qsizetype &at) {
        const qsizetype start = at;
        while (at < n && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'))
            ++at;
        return at - start;
    };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissa = digitsFrom(i);
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        mantissa += digitsFrom(i);
    }
    if (mantissa == 0)
        return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        if (digitsFrom(i) == 0)
            return false;
    }
    return i == n;
}

// The text with the user's decimal separator as '.', or an empty string when
// it holds a '.' of its own that is not that separator.
QString toCNotation(QString text)
{
    const QString separator = decimalSeparator();
    if (separator != QLatin1String(".")) {
        if (text.contains(QLatin1Char('.')))
            return {};
        text.replace(separator, QLatin1String("."));
    }
    return text;
}

} // namespace

struct TNumberEdit::Private
{
    TNumberType numberType = ntInteger;
    // The value ValueChanged last announced, by its bits, so that a NaN or
    // the sign of a zero counts like any other value.
    quint32 shownValue = std::bit_cast<quint32>(0.0f);
};

TNumberEdit::TNumberEdit(QWidget *parent) : QLineEdit(parent), d(new Private)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &TNumberEdit::TextChanged);
}

TNumberEdit::~TNumberEdit() = default;

TNumberEdit::TNumberType TNumberEdit::NumberType() const noexcept
{
    return d->numberType;
}

void TNumberEdit::SetNumberType(TNumberType type)
{
    if (type == d->numberType)
        return;
    d->numberType = type;
    emit NumberTypeChanged(type);
}

void TNumberEdit::TextChanged()
{
    const float value = GetValue();
    const auto bits = std::bit_cast<quint32>(value);
    if (bits == d->shownValue)
        return;
    d->shownValue = bits;
    emit ValueChanged(value);
}

bool TNumberEdit::parse(float &value) const
{
    const QString number = toCNotation(text().trimmed());
    if (!isNumberSyntax(number))
        return false;
    bool ok = false;
    const double parsed = number.toDouble(&ok); // QString::toDouble reads C notation
    // Numbers beyond a float's range count as "not a number": the edit's
    // neutral answer is 0, never a value the caller cannot use.
    if (!ok || !std::isfinite(parsed) || std::fabs(parsed) > std::numeric_limits<float>::max())
        return false;
    value = float(parsed);
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
    // An infinity or a NaN would be written as text that reads back as 0;
    // the edit shows its neutral value instead.
    if (!std::isfinite(value))
        value = 0;
    QString shown = generalFormat(double(value));
    shown.replace(QLatin1Char('.'), decimalSeparator());
    setText(shown);
}

} // namespace corvanel
