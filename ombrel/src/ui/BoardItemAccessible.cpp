// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardItemAccessible.h"

#include "ui/BoardAccess.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardGeometry.h"
#include "ui/BoardTexts.h"

#include <QWidget>

namespace ombrel {

BoardItemAccessible::BoardItemAccessible(const BoardAccessible &board, int item)
    : m_board(board), m_item(item)
{}

bool BoardItemAccessible::IsHouse() const noexcept
{
    return m_item < FirstStoreItem;
}

bool BoardItemAccessible::isValid() const
{
    return m_board.isValid();
}

QWindow *BoardItemAccessible::window() const
{
    return m_board.window();
}

QAccessibleInterface *BoardItemAccessible::parent() const
{
    return const_cast<BoardAccessible *>(&m_board);
}

QString BoardItemAccessible::text(QAccessible::Text t) const
{
    const int store = m_item - FirstStoreItem;
    switch (t) {
    case QAccessible::Name:
        return m_board.Access().ItemName(m_item);
    case QAccessible::Description: {
        if (!IsHouse())
            return BoardTexts::StoreDescription(store);
        const QString analysis = m_board.Access().ItemAnalysis(m_item);
        const QString where = BoardTexts::HouseDescription(m_item);
        return analysis.isEmpty() ? where : where + QStringLiteral(". ") + analysis;
    }
    default:
        return {};
    }
}

QRect BoardItemAccessible::rect() const
{
    const QWidget *surface = m_board.Access().BoardSurface();
    const ItemBox box = ItemBoxOf(m_item);
    return QRect(surface->mapToGlobal(QPoint(box.x, box.y)), QSize(box.width, box.height));
}

QAccessible::Role BoardItemAccessible::role() const
{
    return IsHouse() ? QAccessible::Button : QAccessible::StaticText;
}

QAccessible::State BoardItemAccessible::state() const
{
    QAccessible::State state;
    const QWidget *surface = m_board.Access().BoardSurface();
    if (!surface->isVisible())
        state.invisible = true;
    if (IsHouse()) {
        state.focusable = true;
        state.focused = surface->hasFocus() && m_board.Access().FocusHouse() == m_item;
    }
    return state;
}

void *BoardItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && IsHouse())
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList BoardItemAccessible::actionNames() const
{
    if (!IsHouse())
        return {};
    return {pressAction(), setFocusAction()};
}

void BoardItemAccessible::doAction(const QString &actionName)
{
    if (!IsHouse())
        return;
    if (actionName == pressAction())
        m_board.Access().PressHouse(m_item);
    else if (actionName == setFocusAction())
        m_board.Access().SetFocusHouse(m_item);
}

QStringList BoardItemAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (IsHouse() && actionName == pressAction())
        return {QStringLiteral("Return")};
    return {};
}

} // namespace ombrel
