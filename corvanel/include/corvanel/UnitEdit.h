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

// A number edit with a unit caption on its right ("12.5 mm"), each part in
// its own colour.
//
// The parts come into being once, when the form is loaded (Loaded()) or when
// the unit edit is first shown, whichever comes first. They follow the unit
// edit's width, at creation and at every resize (a layout sizes the control
// after the form is loaded): the number part fills all but the last 30
// pixels, the caption starts 2 pixels after it. Until the parts exist the unit
// edit keeps Unit, Value and the colours itself and hands them over when it
// creates the parts.
class CORVANEL_EXPORT TUnitEdit : public QWidget, public Component
{
    Q_OBJECT
    Q_PROPERTY(QString Unit READ Unit WRITE SetUnit NOTIFY UnitChanged)
    Q_CLASSINFO("corvanel.default.Unit", "")
    // double so that designers can edit it; the number part holds a float.
    // ValueChanged also follows what is typed into the number part.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue NOTIFY ValueChanged)
    Q_CLASSINFO("corvanel.default.Value", "0")
    Q_PROPERTY(quint32 EditColor READ EditColor WRITE SetEditColor NOTIFY EditColorChanged)
    Q_CLASSINFO("corvanel.default.EditColor", "0x80000005")
    // The caption's colour, which is also the unit edit's own background.
    Q_PROPERTY(quint32 UnitColor READ UnitColor WRITE SetUnitColor NOTIFY UnitColorChanged)
    Q_CLASSINFO("corvanel.default.UnitColor", "0x8000000F")

public:
    Q_INVOKABLE explicit TUnitEdit(QWidget *parent = nullptr);
    ~TUnitEdit() override;

    QString Unit() const;
    void SetUnit(const QString &unit);

    float GetValue() const;
    void SetValue(float value);

    TColor EditColor() const noexcept;
    void SetEditColor(TColor color);

    TColor UnitColor() const noexcept;
    void SetUnitColor(TColor color);

    // Creates and places the two parts; does nothing once they exist.
    void CreateParts();
    // Shows both parts; the unit edit's own visibility is left alone.
    void Show();

    // nullptr until CreateParts() has run.
    TNumberEdit *NumberPart() const noexcept;
    QLabel *UnitPart() const noexcept;

    QSize sizeHint() const override;

signals:
    void UnitChanged(const QString &unit);
    void ValueChanged(double value);
    void EditColorChanged(quint32 color);
    void UnitColorChanged(quint32 color);

protected:
    void Loaded() override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Private;

    void applyEditColor();
    void placeParts();

    std::unique_ptr<Private> d;
};

namespace UnitEdit {
CORVANEL_EXPORT void Register();
} // namespace UnitEdit

} // namespace corvanel
