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

// The common head of every undo record. Applications derive their records
// from it; the virtual destructor lets the buffers delete them whole.
struct CORVANEL_EXPORT JActionData
{
    JAction *Action = nullptr;
    virtual ~JActionData();
};

using pJActionData = JActionData **;

class CORVANEL_EXPORT JAction : public QObject, public Component
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)

public:
    // Performs `actionData` and stores a new record reversing it where
    // `newActionData` points (which the buffers set to null beforehand).
    using TJActionDoEvent =
        std::function<void(JActionData *actionData, pJActionData newActionData)>;

    explicit JAction(QObject *parent = nullptr);
    ~JAction() override;

    // The one handler of the action; an action without one cannot be
    // performed.
    TJActionDoEvent OnDo() const;
    void SetOnDo(TJActionDoEvent handler);

    QString Caption() const;
    void SetCaption(const QString &caption);

signals:
    void CaptionChanged(const QString &caption);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Records in last-in-first-out order, owned.
class CORVANEL_EXPORT TUndoStack
{
public:
    TUndoStack();
    ~TUndoStack();
    TUndoStack(const TUndoStack &) = delete;
    TUndoStack &operator=(const TUndoStack &) = delete;

    void Push(std::unique_ptr<JActionData> record);
    std::unique_ptr<JActionData> Pop();
    bool Empty() const;
    std::size_t Size() const;
    // Latest first, as Pop() would take them.
    void Clear();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

class CORVANEL_EXPORT TUndoSingleBuffer : public QObject, public Component
{
    Q_OBJECT
    Q_PROPERTY(QAction *UndoAction READ UndoAction WRITE SetUndoAction NOTIFY UndoActionChanged)

public:
    explicit TUndoSingleBuffer(QObject *parent = nullptr);
    ~TUndoSingleBuffer() override; // deletes the held record

    QAction *UndoAction() const;
    void SetUndoAction(QAction *action);
    JActionData *Held() const;

    // Performs `record` and holds the record that reverses it, which it
    // returns. An exception from OnDo passes with the held record unchanged.
    JActionData *Do(JActionData *record);
    bool GetCanUndo() const;
    // Performs the held record; the record it gives back is held next, so a
    // second Undo() redoes. The held record is taken off while it is
    // performed, so its OnDo may call Do() (which then holds a record only
    // until the undo's own reverse replaces it).
    void Undo();

signals:
    void UndoActionChanged(QAction *action);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

class CORVANEL_EXPORT TUndoMultiBuffer : public QObject, public Component
{
    Q_OBJECT
    Q_PROPERTY(QAction *UndoAction READ UndoAction WRITE SetUndoAction NOTIFY UndoActionChanged)

public:
    explicit TUndoMultiBuffer(QObject *parent = nullptr);
    ~TUndoMultiBuffer() override;

    QAction *UndoAction() const;
    void SetUndoAction(QAction *action);
    const TUndoStack &Stack() const;

    // Performs `record` and pushes the record that reverses it (unless OnDo
    // gave none), which it returns.
    JActionData *Do(JActionData *record);
    bool GetCanUndo() const;
    // Pops the latest record and performs it; nothing is kept for a redo.
    // When the stack runs empty the undo action shows "Can't undo" and is
    // disabled. An exception from OnDo passes; the popped record is gone.
    void Undo();
    // Deletes every record; the undo action is left as it is.
    void Flush();

signals:
    void UndoActionChanged(QAction *action);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

namespace undo {
CORVANEL_EXPORT void Register();
} // namespace undo

} // namespace corvanel
