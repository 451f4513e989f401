// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// One house (a button whose press is a left click) or one row of captured
// groups (static text) of the board, as a child of BoardAccessible. Its name
// says what a sighted player sees: the owner and the count.

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>

namespace ombrel {

class BoardAccessible;

class BoardItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    // item: 0..11 a house, FirstStoreItem + player a store.
    BoardItemAccessible(const BoardAccessible &board, int item);

    int Item() const noexcept { return m_item; }
    bool IsHouse() const noexcept;

    // QAccessibleInterface
    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    const BoardAccessible &m_board;
    int m_item;
};

} // namespace ombrel
