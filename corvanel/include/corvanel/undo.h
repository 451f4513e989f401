// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QAction>
#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

// Undo by commands: a JAction knows how to perform one kind of operation; its
// OnDo performs a record of that kind and hands back a new record that
// reverses it. A buffer performs records through their actions and keeps the
// reversing records: TUndoSingleBuffer the last one (so a second Undo redoes),
// TUndoMultiBuffer a stack of them (undo only). Both can keep a QAction's text
// and enabled state up to date: after each step it shows the Caption of the
// JAction just performed and is enabled while there is something to undo, and
// shows "Can't undo" and is disabled once there is nothing (a step whose OnDo
// gave no reversing record, or the multi buffer's last undo).
//
// Ownership: a record passed to Do() stays the caller's; every record an OnDo
// hands back belongs to the buffer that called it, which deletes it when it is
// replaced, undone, flushed or the buffer goes.
namespace corvanel {

class JAction;

/// The common head of every undo record. Applications derive their records
/// from it; the virtual destructor lets the buffers delete them whole.
struct CORVANEL_EXPORT JActionData
{
    /// The action that performs this record; null by default, and a record
    /// without an action cannot be performed.
    JAction *Action = nullptr;
    /// Destroys the record.
    virtual ~JActionData();
};

/// Where an OnDo handler stores the reversing record it makes.
using pJActionData = JActionData **;

/// One kind of undoable operation, performed by its OnDo handler.
class CORVANEL_EXPORT JAction : public QObject, public Component
{
    Q_OBJECT
    /// The operation's name, shown in the undo action's text; empty by default.
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)

public:
    /// Performs `actionData` and stores a new record reversing it where
    /// `newActionData` points (which the buffers set to null beforehand).
    using TJActionDoEvent =
        std::function<void(JActionData *actionData, pJActionData newActionData)>;

    /// An action without a handler or caption.
    explicit JAction(QObject *parent = nullptr);
    /// Destroys the action; records that name it must not be performed after it.
    ~JAction() override;

    /// The one handler of the action; an action without one cannot be
    /// performed.
    TJActionDoEvent OnDo() const;
    /// Sets the handler of OnDo().
    void SetOnDo(TJActionDoEvent handler);

    ///@{
    /// Reads and sets #Caption.
    QString Caption() const;
    void SetCaption(const QString &caption);
    ///@}

signals:
    /// Emitted when #Caption changes, with the new caption.
    void CaptionChanged(const QString &caption);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// Records in last-in-first-out order, owned.
class CORVANEL_EXPORT TUndoStack
{
public:
    /// An empty stack.
    TUndoStack();
    /// Deletes every record.
    ~TUndoStack();
    /// Not copied.
    TUndoStack(const TUndoStack &) = delete;
    /// Not copied.
    TUndoStack &operator=(const TUndoStack &) = delete;

    /// Puts `record` on top.
    void Push(std::unique_ptr<JActionData> record);
    /// Takes the top record off; null when the stack is empty.
    std::unique_ptr<JActionData> Pop();
    /// True when the stack holds no record.
    bool Empty() const;
    /// The number of records.
    std::size_t Size() const;
    // Latest first, as Pop() would take them.
    /// Deletes every record, the latest first.
    void Clear();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// An undo buffer that keeps the last reversing record: Undo() undoes the last
/// Do(), and a second Undo() redoes it.
class CORVANEL_EXPORT TUndoSingleBuffer : public QObject, public Component
{
    Q_OBJECT
    /// The action whose text (the caption of the last performed record's
    /// action) and enabled state the buffer keeps up to date; none by default.
    Q_PROPERTY(QAction *UndoAction READ UndoAction WRITE SetUndoAction NOTIFY UndoActionChanged)

public:
    /// An empty buffer: nothing to undo.
    explicit TUndoSingleBuffer(QObject *parent = nullptr);
    /// Deletes the held record.
    ~TUndoSingleBuffer() override; // deletes the held record

    ///@{
    /// Reads and sets #UndoAction.
    QAction *UndoAction() const;
    void SetUndoAction(QAction *action);
    ///@}
    /// The record the next Undo() performs, owned by the buffer; null when none.
    JActionData *Held() const;

    /// Performs `record` and holds the record that reverses it, which it
    /// returns. An exception from OnDo passes with the held record unchanged;
    /// a record without an action or OnDo throws corvanel::Exception.
    JActionData *Do(JActionData *record);
    /// True while a record is held.
    bool GetCanUndo() const;
    /// Performs the held record; the record it gives back is held next, so a
    /// second Undo() redoes. The held record is taken off while it is
    /// performed, so its OnDo may call Do() (which then holds a record only
    /// until the undo's own reverse replaces it).
    ///
    /// Without a held record it does nothing.
    void Undo();

signals:
    /// Emitted when #UndoAction is set to another action, with the new one.
    void UndoActionChanged(QAction *action);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// An undo buffer that keeps a stack of reversing records: each Undo() undoes
/// one more Do(). There is no redo.
class CORVANEL_EXPORT TUndoMultiBuffer : public QObject, public Component
{
    Q_OBJECT
    /// The action whose text (the caption of the last performed record's
    /// action, "Can't undo" once the stack is empty) and enabled state the
    /// buffer keeps up to date; none by default.
    Q_PROPERTY(QAction *UndoAction READ UndoAction WRITE SetUndoAction NOTIFY UndoActionChanged)

public:
    /// An empty buffer: nothing to undo.
    explicit TUndoMultiBuffer(QObject *parent = nullptr);
    /// Deletes every record.
    ~TUndoMultiBuffer() override;

    ///@{
    /// Reads and sets #UndoAction.
    QAction *UndoAction() const;
    void SetUndoAction(QAction *action);
    ///@}
    /// The reversing records, the next one to undo on top.
    const TUndoStack &Stack() const;

    /// Performs `record` and pushes the record that reverses it (unless OnDo
    /// gave none), which it returns. An exception from OnDo passes; a record
    /// without an action or OnDo throws corvanel::Exception.
    JActionData *Do(JActionData *record);
    /// True while the stack holds a record.
    bool GetCanUndo() const;
    /// Pops the latest record and performs it; nothing is kept for a redo.
    /// When the stack runs empty the undo action shows "Can't undo" and is
    /// disabled. An exception from OnDo passes; the popped record is gone.
    void Undo();
    /// Deletes every record; the undo action is left as it is.
    void Flush();

signals:
    /// Emitted when #UndoAction is set to another action, with the new one.
    void UndoActionChanged(QAction *action);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
