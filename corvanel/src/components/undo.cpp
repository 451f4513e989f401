// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/undo.h>

#include <corvanel/Exception.h>

#include <QCoreApplication>
#include <QPointer>
#include <deque>

namespace corvanel {

namespace {

// Performs `record` through its action and returns the record reversing it,
// which the calling buffer owns from now on. A record the handler stored
// before throwing is the buffer's as well and is deleted with the failure.
// `performedBy` is set to the record's action before it is performed.
std::unique_ptr<JActionData> perform(JActionData *record, QPointer<JAction> &performedBy)
{
    if (!record || !record->Action || !record->Action->OnDo())
        throw Exception(QCoreApplication::translate(
            "Corvanel", "Cannot perform an undo record without a JAction and its OnDo"));
    performedBy = record->Action;
    const QPointer<JAction> action = record->Action;
    JActionData *made = nullptr;
    try {
        const JAction::TJActionDoEvent handler = action->OnDo(); // OnDo may be reassigned
        handler(record, &made);
    } catch (...) {
        if (made != record)
            delete made;
        throw;
    }
    return std::unique_ptr<JActionData>(made);
}

// The undo action after a step: while there is something to undo it shows the
// caption of the action just performed and is enabled; once there is nothing,
// it says so and is disabled.
void showStep(QAction *undoAction, const JAction *performed, bool canUndo)
{
    if (!undoAction)
        return;
    if (!canUndo) {
        undoAction->setText(QCoreApplication::translate("Corvanel", "Can't undo"));
        undoAction->setEnabled(false);
        return;
    }
    if (performed)
        undoAction->setText(performed->Caption());
    undoAction->setEnabled(true);
}

} // namespace

JActionData::~JActionData() = default;

struct JAction::Private
{
    QString caption;
    TJActionDoEvent onDo;
};

JAction::JAction(QObject *parent) : QObject(parent), d(new Private) {}

JAction::~JAction() = default;

JAction::TJActionDoEvent JAction::OnDo() const
{
    return d->onDo;
}

void JAction::SetOnDo(TJActionDoEvent handler)
{
    d->onDo = std::move(handler);
}

QString JAction::Caption() const
{
    return d->caption;
}

void JAction::SetCaption(const QString &caption)
{
    if (caption == d->caption)
        return;
    d->caption = caption;
    emit CaptionChanged(caption);
}

struct TUndoStack::Private
{
    std::deque<std::unique_ptr<JActionData>> records;
};

TUndoStack::TUndoStack() : d(new Private) {}

TUndoStack::~TUndoStack() = default;

bool TUndoStack::Empty() const
{
    return d->records.empty();
}

std::size_t TUndoStack::Size() const
{
    return d->records.size();
}

void TUndoStack::Clear()
{
    while (!d->records.empty())
        d->records.pop_back();
}

void TUndoStack::Push(std::unique_ptr<JActionData> record)
{
    d->records.push_back(std::move(record));
}

std::unique_ptr<JActionData> TUndoStack::Pop()
{
    if (d->records.empty())
        return nullptr;
    std::unique_ptr<JActionData> top = std::move(d->records.back());
    d->records.pop_back();
    return top;
}

struct TUndoSingleBuffer::Private
{
    std::unique_ptr<JActionData> held;
    QPointer<QAction> undoAction;
};

TUndoSingleBuffer::TUndoSingleBuffer(QObject *parent) : QObject(parent), d(new Private) {}

TUndoSingleBuffer::~TUndoSingleBuffer() = default;

QAction *TUndoSingleBuffer::UndoAction() const
{
    return d->undoAction;
}

void TUndoSingleBuffer::SetUndoAction(QAction *action)
{
    if (action == d->undoAction)
        return;
    d->undoAction = action;
    emit UndoActionChanged(action);
}

JActionData *TUndoSingleBuffer::Held() const
{
    return d->held.get();
}

bool TUndoSingleBuffer::GetCanUndo() const
{
    return d->held != nullptr;
}

JActionData *TUndoSingleBuffer::Do(JActionData *record)
{
    // The held record is taken off before it is performed, as the multi
    // buffer does: an OnDo that records another operation (a nested Do)
    // replaces the held record and would otherwise delete the record that is
    // being performed.
    std::unique_ptr<JActionData> performing;
    if (record && record == d->held.get())
        performing = std::move(d->held);
    std::unique_ptr<JActionData> made;
    QPointer<JAction> performed;
    try {
        made = perform(record, performed);
    } catch (...) {
        if (performing && !d->held)
            d->held = std::move(performing); // a failed undo leaves Held as it was
        throw;
    }
    if (made && made.get() == performing.get())
        (void)performing.release(); // the handler gave the held record back
    if (made && made.get() == d->held.get())
        (void)made.release(); // it gave back what a nested Do holds
    else
        d->held = std::move(made); // deletes whatever a nested Do left held
    showStep(d->undoAction, performed, GetCanUndo());
    return d->held.get();
}

void TUndoSingleBuffer::Undo()
{
    if (GetCanUndo())
        Do(d->held.get());
}

struct TUndoMultiBuffer::Private
{
    QPointer<QAction> undoAction;
    TUndoStack stack;
};

TUndoMultiBuffer::TUndoMultiBuffer(QObject *parent) : QObject(parent), d(new Private) {}

QAction *TUndoMultiBuffer::UndoAction() const
{
    return d->undoAction;
}

void TUndoMultiBuffer::SetUndoAction(QAction *action)
{
    if (action == d->undoAction)
        return;
    d->undoAction = action;
    emit UndoActionChanged(action);
}

const TUndoStack &TUndoMultiBuffer::Stack() const
{
    return d->stack;
}

bool TUndoMultiBuffer::GetCanUndo() const
{
    return !d->stack.Empty();
}

TUndoMultiBuffer::~TUndoMultiBuffer()
{
    Flush();
}

JActionData *TUndoMultiBuffer::Do(JActionData *record)
{
    QPointer<JAction> performed;
    std::unique_ptr<JActionData> made = perform(record, performed);
    JActionData *result = made.get();
    // A null record on the stack would crash the Undo that reached it.
    if (made)
        d->stack.Push(std::move(made));
    showStep(d->undoAction, performed, GetCanUndo());
    return result;
}

void TUndoMultiBuffer::Undo()
{
    if (d->stack.Empty())
        return;
    const std::unique_ptr<JActionData> top = d->stack.Pop();
    QPointer<JAction> performed;
    std::unique_ptr<JActionData> made;
    try {
        made = perform(top.get(), performed);
    } catch (...) {
        // The record stays off the stack, which may now be empty.
        if (!GetCanUndo())
            showStep(d->undoAction, performed, false);
        throw;
    }
    if (made.get() == top.get())
        (void)made.release();
    // Both go at the end of this scope: there is no redo.
    showStep(d->undoAction, performed, GetCanUndo());
}

void TUndoMultiBuffer::Flush()
{
    d->stack.Clear();
}

} // namespace corvanel
