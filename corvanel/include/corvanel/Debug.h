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

// A trace for an application: each Output(message) while tracing is on
// appends one line to the program's log and sends the message to the logging
// category "corvanel.debug".
//
// The log of the program x (or x.exe) is $XDG_STATE_HOME/x/x.log, by default
// ~/.local/state/x/x.log, where the user can write it whether the program
// lives in /usr/bin or anywhere else. It is created 0600 in a folder of its
// own (0700), never through a symbolic link, and emptied each time it is
// started.
// A line is the milliseconds since the helper was made, right-aligned in ten
// characters, then "ms :", the message as UTF-8, and CR LF. A log that cannot
// be created (a read-only folder) loses its lines; the messages still reach
// the logging category.
//
// Whether tracing is on is Active: by default the REG_DWORD "debug" in
// HKEY_CURRENT_USER\Software (through Storage), read and written back at
// every query, so that the value exists, as 0, once the helper has asked.
// With aocYes or aocNo the switch is set that way whenever no log is open and
// otherwise lives in the helper alone.
class CORVANEL_EXPORT TDebugHelper : public QObject, public Component
{
    Q_OBJECT
    Q_PROPERTY(corvanel::TJStorage *Storage READ Storage CONSTANT DESIGNABLE false)
    Q_PROPERTY(QString StorageKey READ StorageKey WRITE SetStorageKey NOTIFY StorageKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageKey", "")
    Q_PROPERTY(corvanel::TJStorage::TJStorageRootKey StorageRootKey READ StorageRootKey WRITE
                   SetStorageRootKey NOTIFY StorageRootKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageRootKey", "atrkClassesRoot")
    Q_PROPERTY(TActiveOnCreationKind ActiveOnCreation READ ActiveOnCreation WRITE
                   SetActiveOnCreation NOTIFY ActiveOnCreationChanged)
    Q_CLASSINFO("corvanel.default.ActiveOnCreation", "aocFromRegistry")
    // Active (GetActive, SetActive) is deliberately no Q_PROPERTY: reading it
    // opens the store and rewrites "debug", which no property editor, form
    // writer or inspector walking the properties may do.

public:
    enum TActiveOnCreationKind : quint8
    {
        aocFromRegistry,
        aocYes,
        aocNo
    };
    Q_ENUM(TActiveOnCreationKind)

    Q_INVOKABLE explicit TDebugHelper(QObject *parent = nullptr);
    ~TDebugHelper() override;

    TJStorage *Storage() const;
    QString StorageKey() const;
    void SetStorageKey(const QString &key);
    TJStorage::TJStorageRootKey StorageRootKey() const;
    void SetStorageRootKey(TJStorage::TJStorageRootKey root);

    TActiveOnCreationKind ActiveOnCreation() const;
    void SetActiveOnCreation(TActiveOnCreationKind kind);

    void Output(const QString &message);
    void Start();
    void Stop();
    // Throws corvanel::Exception when Storage's Key is blank (aocFromRegistry).
    bool GetActive();
    void SetActive(bool active);

    // A log was started (even one that could not be created).
    bool IsLogStarted() const;
    quint32 StartTicks() const;

    static QString LogFileNameFor(const QString &executable);
    static QByteArray LinePrefix(quint32 elapsedMs);

signals:
    // Also when Storage is changed directly.
    void StorageKeyChanged(const QString &key);
    void StorageRootKeyChanged(corvanel::TJStorage::TJStorageRootKey root);
    void ActiveOnCreationChanged(corvanel::TDebugHelper::TActiveOnCreationKind kind);

protected:
    // Milliseconds of a steady clock, wrapping as a 32-bit count.
    virtual quint32 TickCount() const;
    virtual QString LogFileName() const;
    void SetStartTicks(quint32 ticks);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

namespace Debug {
CORVANEL_EXPORT void Register();
} // namespace Debug

} // namespace corvanel
