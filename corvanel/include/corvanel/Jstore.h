// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/TRegistry.h>
#include <corvanel/corvanel_export.h>

#include <QObject>
#include <QString>
#include <memory>

namespace corvanel {

class Component;
class TJStorage;

// The open connection of a TJStorage: one TRegistry on the storage's key.
// Its typed operations never throw; false means the registry refused, and a
// failed read leaves the referenced value as it was.
class CORVANEL_EXPORT TJWin32Registry
{
public:
    TJWin32Registry();
    ~TJWin32Registry();
    TJWin32Registry(const TJWin32Registry &) = delete;
    TJWin32Registry &operator=(const TJWin32Registry &) = delete;

    // Throws corvanel::Exception when the storage's Key is blank. A key that
    // cannot be opened or created is not an error: reads then fail and writes
    // do nothing.
    void Open(const TJStorage &storage);
    // Writes pending changes and closes the key.
    void Close();

    bool Opened() const;
    TRegistry *RegistryObject() const;

    bool ReadString(const QString &name, QString &value) const;
    bool ReadBool(const QString &name, bool &value) const;
    bool ReadInteger(const QString &name, qint32 &value) const;
    bool WriteString(const QString &name, const QString &value);
    bool WriteBool(const QString &name, bool value);
    bool WriteInteger(const QString &name, qint32 value);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// One registry key (a root and a path below it) where a storing component of
// the library keeps its values, all of them directly in that key.
//
// Holders call Open(), read and write, then Close() again unless the storage
// was already open when they started. Reads give the caller's default for a
// missing value, a value of another type or a key that could not be opened;
// the only exceptions are "JStorage not Open" for an operation on a closed
// storage and the blank-key message of Open().
class CORVANEL_EXPORT TJStorage : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Key READ Key WRITE SetKey NOTIFY KeyChanged)
    Q_CLASSINFO("corvanel.default.Key", "")
    Q_PROPERTY(TJStorageRootKey RegistryRootKey READ RegistryRootKey WRITE SetRegistryRootKey NOTIFY
                   RegistryRootKeyChanged)
    Q_CLASSINFO("corvanel.default.RegistryRootKey", "atrkClassesRoot")
    Q_PROPERTY(bool IsOpen READ IsOpen STORED false)

public:
    enum TJStorageRootKey : quint8
    {
        atrkClassesRoot,
        atrkLocalMachine,
        atrkCurrentUser,
        atrkUsers,
        atrkCurrentConfig,
        atrkDynamicData,
    };
    Q_ENUM(TJStorageRootKey)

    Q_INVOKABLE explicit TJStorage(QObject *parent = nullptr);
    ~TJStorage() override;

    const QString &Key() const;
    // Moves an open storage to the new key (or closes it when the key is now
    // empty), unless the holder is in a form designer.
    void SetKey(const QString &key);
    TJStorageRootKey RegistryRootKey() const;
    void SetRegistryRootKey(TJStorageRootKey rootKey);

    // The holder, asked only whether it is in a form designer; not owned.
    Component *OwnerComponent() const;
    void SetOwnerComponent(Component *owner);

    RegistryRoot RootKeyHandle() const;
    TJWin32Registry *Connection() const;
    bool IsOpen() const;

    void Open();
    void Close();

    void WriteString(const QString &name, const QString &value);
    void WriteInteger(const QString &name, qint32 value);
    void WriteBool(const QString &name, bool value);
    QString ReadString(const QString &name, const QString &defaultValue);
    qint32 ReadInteger(const QString &name, qint32 defaultValue);
    bool ReadBool(const QString &name, bool defaultValue);

    // Closes this storage, then takes over the key, the root and the open
    // state of another storage (so assigning a storage to itself leaves it
    // closed). The storage keeps its own OwnerComponent: the source's holder
    // is not this storage's holder. Anything but a TJStorage throws.
    void Assign(const QObject *source);

signals:
    void KeyChanged(const QString &key);
    void RegistryRootKeyChanged(corvanel::TJStorage::TJStorageRootKey rootKey);

private:
    struct Private;

    void CheckOpen() const;
    bool inDesigner() const;

    std::unique_ptr<Private> d;
};

namespace Jstore {
// TJStorage is edited as part of its holder and has no palette entry of its
// own; Register() exists so that every unit can be registered alike.
CORVANEL_EXPORT void Register();
} // namespace Jstore

} // namespace corvanel
