// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/undo.h>

#include <corvanel/Exception.h>
#include <corvanel/Palette.h>

namespace corvanel {

namespace {

// Performs `record` through its action and returns the record reversing it,
// which the calling buffer owns from now on. A record the handler stored
// before throwing is the buffer's as well and is deleted with the failure.
std::unique_ptr<JActionData> perform(JActionData *record, QAction *undoAction)
{
    if (!record || !record->Action || !record->Action->OnDo)
        throw Exception(
            QStringLiteral("Cannot perform an undo record without a JAction and its OnDo"));
    const QPointer<JAction> action = record->Action;
    JActionData *made = nullptr;
    try {
        const JAction::TJActionDoEvent handler = action->OnDo; // OnDo may be reassigned
        handler(record, &made);
    } catch (...) {
        if (made != record)
            delete made;
        throw;
    }
    if (undoAction && action) {
        undoAction->setText(action->Caption());
        undoAction->setEnabled(true);
    }
    return std::unique_ptr<JActionData>(made);
}

template <typename T> PaletteEntry entryFor(const char *className, const char *toolTip)
{
    PaletteEntry entry;
    entry.page = QStringLiteral("Corvanel");
    entry.className = QString::fromLatin1(className);
    entry.includeFile = QStringLiteral("corvanel/undo.h");
    entry.toolTip = QString::fromLatin1(toolTip);
    entry.createObject = &createDesigning<T, QObject>;
    return entry;
}

} // namespace

JActionData::~JActionData() = default;

JAction::JAction(QObject *parent) : QObject(parent) {}

JAction::~JAction() = default;

void TUndoStack::Push(std::unique_ptr<JActionData> record)
{
    m_records.push_back(std::move(record));
}

std::unique_ptr<JActionData> TUndoStack::Pop()
{
    if (m_records.empty())
        return nullptr;
    std::unique_ptr<JActionData> top = std::move(m_records.back());
    m_records.pop_back();
    return top;
}

TUndoSingleBuffer::TUndoSingleBuffer(QObject *parent) : QObject(parent) {}

TUndoSingleBuffer::~TUndoSingleBuffer() = default;

JActionData *TUndoSingleBuffer::Do(JActionData *record)
{
    // The held record is taken off before it is performed, as the multi
    // buffer does: an OnDo that records another operation (a nested Do)
    // replaces the held record and would otherwise delete the record that is
    // being performed.
    std::unique_ptr<JActionData> performing;
    if (record && record == m_held.get())
        performing = std::move(m_held);
    std::unique_ptr<JActionData> made;
    try {
        made = perform(record, m_undoAction);
    } catch (...) {
        if (performing && !m_held)
            m_held = std::move(performing); // a failed undo leaves Held as it was
        throw;
    }
    if (made && made.get() == performing.get())
        (void)performing.release(); // the handler gave the held record back
    if (made && made.get() == m_held.get()) {
        (void)made.release(); // it gave back what a nested Do holds
        return m_held.get();
    }
    m_held = std::move(made); // deletes whatever a nested Do left held
    return m_held.get();
}

void TUndoSingleBuffer::Undo()
{
    if (GetCanUndo())
        Do(m_held.get());
}

TUndoMultiBuffer::TUndoMultiBuffer(QObject *parent) : QObject(parent) {}

TUndoMultiBuffer::~TUndoMultiBuffer()
{
    Flush();
}

JActionData *TUndoMultiBuffer::Do(JActionData *record)
{
    std::unique_ptr<JActionData> made = perform(record, m_undoAction);
    JActionData *result = made.get();
    // A null record on the stack would crash the Undo that reached it.
    if (made)
        m_stack.Push(std::move(made));
    return result;
}

void TUndoMultiBuffer::Undo()
{
    if (m_stack.Empty())
        return;
    const std::unique_ptr<JActionData> top = m_stack.Pop();
    std::unique_ptr<JActionData> made = perform(top.get(), m_undoAction);
    if (made.get() == top.get())
        (void)made.release();
    // Both go at the end of this scope: there is no redo.
    if (m_stack.Empty() && m_undoAction) {
        m_undoAction->setText(QStringLiteral("Can't undo"));
        m_undoAction->setEnabled(false);
    }
}

void TUndoMultiBuffer::Flush()
{
    m_stack.Clear();
}

namespace undo {

void Register()
{
    Palette::add(entryFor<JAction>("corvanel::JAction", "Undoable action"));
    Palette::add(entryFor<TUndoSingleBuffer>("corvanel::TUndoSingleBuffer",
                                             "Undo buffer for one step (undo and redo)"));
    Palette::add(
        entryFor<TUndoMultiBuffer>("corvanel::TUndoMultiBuffer", "Undo buffer for many steps"));
}

} // namespace undo

} // namespace corvanel
