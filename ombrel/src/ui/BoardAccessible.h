// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The board as assistive technology sees it: the drawing surface with one
// child per thing a player can point at, the twelve houses (buttons, in
// sowing order, children 0..11) and the two rows of captured groups (children
// 12 and 13). Qt asks the factory for the surface's interface; the children
// have no QObject of their own and live in Qt's accessibility cache while the
// surface does.

#include <QAccessibleWidget>

#include <array>

namespace ombrel {

class BoardAccess;
class BoardItemAccessible;

class BoardAccessible : public QAccessibleWidget
{
public:
    BoardAccessible(QWidget *surface, BoardAccess &access);
    ~BoardAccessible() override;

    // Makes Qt use this interface for every BoardView. Safe to call more
    // than once.
    static void InstallFactory();

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    BoardAccess &Access() const { return m_access; }

private:
    static QAccessibleInterface *Factory(const QString &className, QObject *object);

    BoardAccess &m_access;
    mutable std::array<BoardItemAccessible *, 14> m_items{};
};

} // namespace ombrel
