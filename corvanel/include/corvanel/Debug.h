// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/Jstore.h>
#include <corvanel/corvanel_export.h>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QFile;

namespace corvanel {

/// A trace for an application: each Output(message) while tracing is on
/// appends one line to the program's log and sends the message to the logging
/// category "corvanel.debug".
///
/// The log of the program x (or x.exe) is $XDG_STATE_HOME/x/x.log, by default
/// ~/.local/state/x/x.log, where the user can write it whether the program
/// lives in /usr/bin or anywhere else. It is created 0600 in a folder of its
/// own (0700), never through a symbolic link, and emptied each time it is
/// started.
/// A line is the milliseconds since the helper was made, right-aligned in ten
/// characters, then "ms :", the message as UTF-8, and CR LF. A log that cannot
/// be created (a read-only folder) loses its lines; the messages still reach
/// the logging category.
///
/// Whether tracing is on is Active: by default the REG_DWORD "debug" in the
/// key #StorageKey ("Software") below #StorageRootKey (atrkClassesRoot unless
/// the program sets another root), read through Storage and written back at
/// every query, so that the value exists, as 0, once the helper has asked.
/// With aocYes or aocNo the switch is set that way whenever no log is open and
/// otherwise lives in the helper alone.
class CORVANEL_EXPORT TDebugHelper : public QObject, public Component
{
    Q_OBJECT
    /// The registry key holding the switch "debug"; owned by the helper.
    Q_PROPERTY(corvanel::TJStorage *Storage READ Storage CONSTANT DESIGNABLE false)
    /// The path of #Storage's key below its root; "Software" for a new helper.
    Q_PROPERTY(QString StorageKey READ StorageKey WRITE SetStorageKey NOTIFY StorageKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageKey", "")
    /// The root of #Storage's key; atrkClassesRoot by default.
    Q_PROPERTY(corvanel::TJStorage::TJStorageRootKey StorageRootKey READ StorageRootKey WRITE
                   SetStorageRootKey NOTIFY StorageRootKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageRootKey", "atrkClassesRoot")
    /// Where the switch comes from; aocFromRegistry by default.
    Q_PROPERTY(TActiveOnCreationKind ActiveOnCreation READ ActiveOnCreation WRITE
                   SetActiveOnCreation NOTIFY ActiveOnCreationChanged)
    Q_CLASSINFO("corvanel.default.ActiveOnCreation", "aocFromRegistry")
    // Active (GetActive, SetActive) is deliberately no Q_PROPERTY: reading it
    // opens the store and rewrites "debug", which no property editor, form
    // writer or inspector walking the properties may do.

public:
    /// Where the switch comes from.
    enum TActiveOnCreationKind : quint8
    {
        /// The REG_DWORD "debug" in #Storage's key.
        aocFromRegistry,
        /// On whenever no log is open; then kept by the helper.
        aocYes,
        /// Off whenever no log is open; then kept by the helper.
        aocNo
    };
    Q_ENUM(TActiveOnCreationKind)

    /// A helper with no log started, its clock starting now.
    Q_INVOKABLE explicit TDebugHelper(QObject *parent = nullptr);
    /// Closes the log.
    ~TDebugHelper() override;

    /// Reads #Storage.
    TJStorage *Storage() const;
    ///@{
    /// Read and set #StorageKey and #StorageRootKey (they are #Storage's).
    QString StorageKey() const;
    void SetStorageKey(const QString &key);
    TJStorage::TJStorageRootKey StorageRootKey() const;
    void SetStorageRootKey(TJStorage::TJStorageRootKey root);
    ///@}

    ///@{
    /// Reads and sets #ActiveOnCreation.
    TActiveOnCreationKind ActiveOnCreation() const;
    void SetActiveOnCreation(TActiveOnCreationKind kind);
    ///@}

    /// Writes `message` as one line of the log, starting the log first when
    /// tracing is on and none is open; nothing while tracing is off. Throws
    /// corvanel::Exception as GetActive() does.
    void Output(const QString &message);
    /// Creates (or empties) the log; nothing when one is started already. A
    /// log that cannot be created counts as started and loses its lines.
    void Start();
    /// Closes the log; the next Output() while tracing is on starts it anew.
    void Stop();
    /// Whether tracing is on. Under aocFromRegistry it reads "debug" and
    /// writes it back; throws corvanel::Exception when Storage's Key is blank.
    bool GetActive();
    /// Turns tracing on or off: under aocFromRegistry by writing "debug";
    /// nothing in a form designer. Throws as GetActive() does.
    void SetActive(bool active);

    /// Whether a log was started (even one that could not be created).
    bool IsLogStarted() const;
    /// The TickCount() the log's times count from.
    quint32 StartTicks() const;

    /// The log of the program `executable`: $XDG_STATE_HOME/x/x.log for x or
    /// x.exe; empty for an empty name.
    static QString LogFileNameFor(const QString &executable);
    /// The start of a log line: `elapsedMs` right-aligned in ten characters,
    /// then "ms ".
    static QByteArray LinePrefix(quint32 elapsedMs);

signals:
    /// #StorageKey changed, also when Storage is changed directly.
    void StorageKeyChanged(const QString &key);
    /// #StorageRootKey changed, also when Storage is changed directly.
    void StorageRootKeyChanged(corvanel::TJStorage::TJStorageRootKey root);
    /// #ActiveOnCreation changed.
    void ActiveOnCreationChanged(corvanel::TDebugHelper::TActiveOnCreationKind kind);

protected:
    /// Milliseconds of a steady clock, wrapping as a 32-bit count.
    virtual quint32 TickCount() const;
    /// The log's file name; LogFileNameFor() of the running program.
    virtual QString LogFileName() const;
    /// Sets StartTicks().
    void SetStartTicks(quint32 ticks);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
