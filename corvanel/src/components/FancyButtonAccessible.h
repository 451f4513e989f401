// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QAccessibleWidget>

namespace corvanel {

class TFancyButton;

// What assistive technology sees of a TFancyButton: a push button named by
// its caption (without the accelerator mark), or by its tooltip when it has
// no caption, that can be pressed like a mouse click presses it. A button of
// a group is checkable and checked while it is held down.
class FancyButtonAccessible : public QAccessibleWidget
{
public:
    explicit FancyButtonAccessible(TFancyButton *button);

    // The factory given to QAccessible::installFactory().
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TFancyButton *button() const;
};

} // namespace corvanel
