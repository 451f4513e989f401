// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/undo.h>

#include <corvanel/Exception.h>
#include <corvanel/Palette.h>

#include <QPointer>
#include <deque>

namespace corvanel {

namespace {

// Performs `record` through its action and returns the record reversing it,
// which the calling buffer owns from now on. A record the handler stored
// before throwing is the buffer's as well and is deleted with the failure.
std::unique_ptr<JActionData> perform(JActionData *record, QAction *undoAction)
{
    if (!record || !record->Action || !record->Action->OnDo())
        throw Exception(
            QStringLiteral("Cannot perform an undo record without a JAction and its OnDo"));
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
    try {
        made = perform(record, d->undoAction);
    } catch (...) {
        if (performing && !d->held)
            d->held = std::move(performing); // a failed undo leaves Held as it was
        throw;
    }
    if (made && made.get() == performing.get())
        (void)performing.release(); // the handler gave the held record back
    if (made && made.get() == d->held.get()) {
        (void)made.release(); // it gave back what a nested Do holds
        return d->held.get();
    }
    d->held = std::move(made); // deletes whatever a nested Do left held
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
    std::unique_ptr<JActionData> made = perform(record, d->undoAction);
    JActionData *result = made.get();
    // A null record on the stack would crash the Undo that reached it.
    if (made)
        d->stack.Push(std::move(made));
    return result;
}

void TUndoMultiBuffer::Undo()
{
    if (d->stack.Empty())
        return;
    const std::unique_ptr<JActionData> top = d->stack.Pop();
    std::unique_ptr<JActionData> made = perform(top.get(), d->undoAction);
    if (made.get() == top.get())
        (void)made.release();
    // Both go at the end of this scope: there is no redo.
    if (d->stack.Empty() && d->undoAction) {
        d->undoAction->setText(QStringLiteral("Can't undo"));
        d->undoAction->setEnabled(false);
    }
}

void TUndoMultiBuffer::Flush()
{
    d->stack.Clear();
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
