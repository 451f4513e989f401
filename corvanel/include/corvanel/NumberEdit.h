// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QLineEdit>
#include <memory>

namespace corvanel {

/// A right-aligned single-line edit that offers its text as a number.
///
/// The edit accepts any characters: text that is not a number is no error,
/// it just reads as 0 and stays as typed. Numbers are read and written with
/// ASCII digits, '-' and an 'E' exponent ("1e5" and "1E5" both read) and the
/// decimal separator of the default QLocale (the user's, unless the program
/// sets another), without group separators, so every text the edit writes
/// reads back in every locale.
class CORVANEL_EXPORT TNumberEdit : public QLineEdit, public Component
{
    Q_OBJECT
    // A form keeps the number, not the text. Its change signal is QLineEdit's
    // textChanged, which moc cannot name for a property redeclared here.
    /// QLineEdit's text, as typed or as SetValue() wrote it.
    Q_PROPERTY(QString text READ text WRITE setText USER true DESIGNABLE false STORED false)
    /// double rather than float so that designers can edit it; the value itself
    /// is single precision. ValueChanged follows the text, typed or set.
    ///
    /// 0 by default.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue NOTIFY ValueChanged)
    Q_CLASSINFO("corvanel.default.Value", "0")
    /// Kept with the form for the program's own use; the edit does not look at it.
    ///
    /// ntInteger by default.
    Q_PROPERTY(TNumberType NumberType READ NumberType WRITE SetNumberType NOTIFY NumberTypeChanged)
    Q_CLASSINFO("corvanel.default.NumberType", "ntInteger")

public:
    /// The kind of number a program means the edit for.
    enum TNumberType
    {
        /// Whole numbers.
        ntInteger,
        /// Numbers with a fraction.
        ntFloat
    };
    Q_ENUM(TNumberType)

    /// A right-aligned, empty edit (which reads as 0).
    Q_INVOKABLE explicit TNumberEdit(QWidget *parent = nullptr);
    /// Destroys the edit.
    ~TNumberEdit() override;

    /// True when the text is a number that a float can hold.
    bool Validate() const;
    /// The text as a number, or 0 when Validate() is false.
    float GetValue() const;
    /// Shows `value` in general format with 7 significant digits; an infinity
    /// or a NaN, which no text reads back as, shows 0.
    void SetValue(float value);

    ///@{
    /// Reads and sets #NumberType.
    TNumberType NumberType() const noexcept;
    void SetNumberType(TNumberType type);
    ///@}

signals:
    /// Emitted whenever the text changes, typed or set, with the value it reads as.
    void ValueChanged(double value);
    /// Emitted when #NumberType changes, with the new type.
    void NumberTypeChanged(corvanel::TNumberEdit::TNumberType type);

private:
    struct Private;

    bool parse(float &value) const;
    void TextChanged();

    std::unique_ptr<Private> d;
};

} // namespace corvanel
