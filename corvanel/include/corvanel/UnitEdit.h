// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Colors.h>
#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QString>
#include <QWidget>

#include <memory>

class QLabel;

namespace corvanel {

class TNumberEdit;

/// A number edit with a unit caption on its right ("12.5 mm"), each part in
/// its own colour.
///
/// The parts come into being once, when the form is loaded (Loaded()) or when
/// the unit edit is first shown, whichever comes first. They follow the unit
/// edit's width, at creation and at every resize (a layout sizes the control
/// after the form is loaded): the number part fills all but the last 30
/// pixels, the caption starts 2 pixels after it. Until the parts exist the unit
/// edit keeps Unit, Value and the colours itself and hands them over when it
/// creates the parts.
class CORVANEL_EXPORT TUnitEdit : public QWidget, public Component
{
    Q_OBJECT
    /// The caption on the right ("mm"); empty by default.
    Q_PROPERTY(QString Unit READ Unit WRITE SetUnit NOTIFY UnitChanged)
    Q_CLASSINFO("corvanel.default.Unit", "")
    /// double so that designers can edit it; the number part holds a float.
    /// ValueChanged also follows what is typed into the number part.
    ///
    /// 0 by default.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue NOTIFY ValueChanged)
    Q_CLASSINFO("corvanel.default.Value", "0")
    /// A TColor: the number part's background; clWindow by default.
    Q_PROPERTY(quint32 EditColor READ EditColor WRITE SetEditColor NOTIFY EditColorChanged)
    Q_CLASSINFO("corvanel.default.EditColor", "0x80000005")
    /// The caption's colour, which is also the unit edit's own background.
    ///
    /// A TColor; clBtnFace by default.
    Q_PROPERTY(quint32 UnitColor READ UnitColor WRITE SetUnitColor NOTIFY UnitColorChanged)
    Q_CLASSINFO("corvanel.default.UnitColor", "0x8000000F")

public:
    /// A unit edit without parts yet, showing 0 and no unit.
    Q_INVOKABLE explicit TUnitEdit(QWidget *parent = nullptr);
    /// Destroys the unit edit and its parts.
    ~TUnitEdit() override;

    ///@{
    /// Reads and sets #Unit.
    QString Unit() const;
    void SetUnit(const QString &unit);
    ///@}

    ///@{
    /// Reads and sets #Value (see TNumberEdit for how text reads as a number).
    float GetValue() const;
    void SetValue(float value);
    ///@}

    ///@{
    /// Read and set #EditColor and #UnitColor.
    TColor EditColor() const noexcept;
    void SetEditColor(TColor color);

    TColor UnitColor() const noexcept;
    void SetUnitColor(TColor color);
    ///@}

    /// Creates and places the two parts; does nothing once they exist.
    void CreateParts();
    /// Shows both parts; the unit edit's own visibility is left alone.
    void Show();

    /// nullptr until CreateParts() has run.
    TNumberEdit *NumberPart() const noexcept;
    /// The unit caption; nullptr until CreateParts() has run.
    QLabel *UnitPart() const noexcept;

    /// 100 × 20 pixels, the size a designer first gives the control.
    QSize sizeHint() const override;

signals:
    ///@{
    /// Emitted when the property of the same name changes, with its new value.
    void UnitChanged(const QString &unit);
    void ValueChanged(double value);
    void EditColorChanged(quint32 color);
    void UnitColorChanged(quint32 color);
    ///@}

protected:
    /// @cond internal
    void Loaded() override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    /// @endcond

private:
    struct Private;

    void applyEditColor();
    void placeParts();

    std::unique_ptr<Private> d;
};

} // namespace corvanel
