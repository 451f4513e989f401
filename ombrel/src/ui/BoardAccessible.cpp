// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardAccessible.h"

#include "ui/BoardAccess.h"
#include "ui/BoardGeometry.h"
#include "ui/BoardItemAccessible.h"
#include "ui/BoardTexts.h"
#include "ui/BoardView.h"

#include <QWidget>

#include <mutex>

namespace ombrel {

BoardAccessible::BoardAccessible(QWidget *surface, BoardAccess &access)
    : QAccessibleWidget(surface, QAccessible::Grouping), m_access(access)
{}

// The cache owns the children; they go with their parent.
BoardAccessible::~BoardAccessible()
{
    for (BoardItemAccessible *item : m_items)
        if (item)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
}

void BoardAccessible::InstallFactory()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&BoardAccessible::Factory); });
}

QAccessibleInterface *BoardAccessible::Factory(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    auto *board = qobject_cast<BoardView *>(object);
    if (!board)
        return nullptr;
    return new BoardAccessible(board, *board);
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return BoardTexts::BoardName();
    return QAccessibleWidget::text(t);
}

QAccessible::Role BoardAccessible::role() const
{
    return QAccessible::Grouping;
}

int BoardAccessible::childCount() const
{
    return BoardItemCount;
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0 || index >= BoardItemCount)
        return nullptr;
    BoardItemAccessible *&item = m_items[index];
    if (!item) {
        item = new BoardItemAccessible(*this, index);
        QAccessible::registerAccessibleInterface(item);
    }
    return item;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < BoardItemCount; ++i)
        if (m_items[i] && m_items[i] == child)
            return i;
    return -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    const int item = ItemAt(at.x(), at.y());
    return item < 0 ? nullptr : child(item);
}

QAccessibleInterface *BoardAccessible::focusChild() const
{
    if (!widget()->hasFocus())
        return nullptr;
    return child(m_access.FocusHouse());
}

} // namespace ombrel
