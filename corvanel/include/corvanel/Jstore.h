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

/// The open connection of a TJStorage: one TRegistry on the storage's key.
/// Its typed operations never throw; false means the registry refused, and a
/// failed read leaves the referenced value as it was.
class CORVANEL_EXPORT TJWin32Registry
{
public:
    /// A closed connection.
    TJWin32Registry();
    /// Closes the connection (see Close()).
    ~TJWin32Registry();
    TJWin32Registry(const TJWin32Registry &) = delete;
    TJWin32Registry &operator=(const TJWin32Registry &) = delete;

    /// Opens (creating it when missing) the key of `storage` under its root.
    /// Throws corvanel::Exception when the storage's Key is blank. A key that
    /// cannot be opened or created is not an error: reads then fail and writes
    /// do nothing.
    void Open(const TJStorage &storage);
    /// Writes pending changes and closes the key; nothing when it is closed.
    void Close();

    /// Whether Open() was called since the last Close(); false for a new one.
    bool Opened() const;
    /// The registry of the open connection, owned by it; null while closed.
    TRegistry *RegistryObject() const;

    /// Reads the string value `name` into `value`; false (and `value`
    /// unchanged) when it is missing, of another type or the key is not open.
    bool ReadString(const QString &name, QString &value) const;
    /// Reads the integer value `name` as a bool (non-zero is true); false as
    /// for ReadString().
    bool ReadBool(const QString &name, bool &value) const;
    /// Reads the integer (REG_DWORD) value `name`; false as for ReadString().
    bool ReadInteger(const QString &name, qint32 &value) const;
    /// Writes `value` as the string value `name`; false when the registry
    /// refused (the key is not open or cannot be written).
    bool WriteString(const QString &name, const QString &value);
    /// Writes `value` as the integer 1 or 0; false as for WriteString().
    bool WriteBool(const QString &name, bool value);
    /// Writes `value` as the integer (REG_DWORD) `name`; false as for
    /// WriteString().
    bool WriteInteger(const QString &name, qint32 value);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// One registry key (a root and a path below it) where a storing component of
/// the library keeps its values, all of them directly in that key.
///
/// Holders call Open(), read and write, then Close() again unless the storage
/// was already open when they started. Reads give the caller's default for a
/// missing value, a value of another type or a key that could not be opened;
/// the only exceptions are "JStorage not Open" for an operation on a closed
/// storage and the blank-key message of Open().
class CORVANEL_EXPORT TJStorage : public QObject
{
    Q_OBJECT
    /// The key's path below #RegistryRootKey, backslash-separated; empty by
    /// default, and a storage with an empty key cannot be opened.
    Q_PROPERTY(QString Key READ Key WRITE SetKey NOTIFY KeyChanged)
    Q_CLASSINFO("corvanel.default.Key", "")
    /// The root the key is below; atrkClassesRoot by default.
    Q_PROPERTY(TJStorageRootKey RegistryRootKey READ RegistryRootKey WRITE SetRegistryRootKey NOTIFY
                   RegistryRootKeyChanged)
    Q_CLASSINFO("corvanel.default.RegistryRootKey", "atrkClassesRoot")
    /// Whether the storage is open; false for a new one.
    Q_PROPERTY(bool IsOpen READ IsOpen STORED false)

public:
    /// The registry roots a storage may use.
    enum TJStorageRootKey : quint8
    {
        /// HKEY_CLASSES_ROOT.
        atrkClassesRoot,
        /// HKEY_LOCAL_MACHINE (machine-wide; written by root only).
        atrkLocalMachine,
        /// HKEY_CURRENT_USER, the user's own store.
        atrkCurrentUser,
        /// HKEY_USERS.
        atrkUsers,
        /// HKEY_CURRENT_CONFIG.
        atrkCurrentConfig,
        /// HKEY_DYN_DATA, which has no store: opening it reads and writes nothing.
        atrkDynamicData,
    };
    Q_ENUM(TJStorageRootKey)

    /// A closed storage with an empty #Key under atrkClassesRoot.
    Q_INVOKABLE explicit TJStorage(QObject *parent = nullptr);
    /// Closes the storage.
    ~TJStorage() override;

    /// Reads #Key.
    const QString &Key() const;
    /// Sets #Key. Moves an open storage to the new key (or closes it when the
    /// key is now empty), unless the holder is in a form designer.
    void SetKey(const QString &key);
    /// Reads #RegistryRootKey.
    TJStorageRootKey RegistryRootKey() const;
    /// Sets #RegistryRootKey; an open storage is reopened on the new root,
    /// unless the holder is in a form designer.
    void SetRegistryRootKey(TJStorageRootKey rootKey);

    /// The holder, asked only whether it is in a form designer; not owned;
    /// null by default.
    Component *OwnerComponent() const;
    /// Sets OwnerComponent().
    void SetOwnerComponent(Component *owner);

    /// The registry root that #RegistryRootKey stands for.
    RegistryRoot RootKeyHandle() const;
    /// The open connection, owned by the storage; null while it is closed.
    TJWin32Registry *Connection() const;
    /// Reads #IsOpen.
    bool IsOpen() const;

    /// Opens the key (again, when already open), creating it when missing.
    /// Throws corvanel::Exception when #Key is blank. A key that cannot be
    /// opened is no error: reads then give their defaults.
    void Open();
    /// Writes pending changes and closes the key; nothing when closed.
    void Close();

    /// Writes the string value `name`. Throws corvanel::Exception ("JStorage
    /// not Open") on a closed storage; a write the registry refuses is lost
    /// without notice.
    void WriteString(const QString &name, const QString &value);
    /// Writes the integer value `name`; fails as WriteString().
    void WriteInteger(const QString &name, qint32 value);
    /// Writes the bool value `name` as the integer 1 or 0; fails as WriteString().
    void WriteBool(const QString &name, bool value);
    /// Reads the string value `name`, or `defaultValue` when it is missing, of
    /// another type or unreadable. Throws corvanel::Exception ("JStorage not
    /// Open") on a closed storage.
    QString ReadString(const QString &name, const QString &defaultValue);
    /// Reads the integer value `name`, or `defaultValue`; fails as ReadString().
    qint32 ReadInteger(const QString &name, qint32 defaultValue);
    /// Reads the bool value `name` (non-zero is true), or `defaultValue`; fails
    /// as ReadString().
    bool ReadBool(const QString &name, bool defaultValue);

    /// Closes this storage, then takes over the key, the root and the open
    /// state of another storage (so assigning a storage to itself leaves it
    /// closed). The storage keeps its own OwnerComponent: the source's holder
    /// is not this storage's holder. Anything but a TJStorage throws
    /// corvanel::Exception.
    void Assign(const QObject *source);

signals:
    /// #Key changed to `key`.
    void KeyChanged(const QString &key);
    /// #RegistryRootKey changed to `rootKey`.
    void RegistryRootKeyChanged(corvanel::TJStorage::TJStorageRootKey rootKey);

private:
    struct Private;

    void CheckOpen() const;
    bool inDesigner() const;

    std::unique_ptr<Private> d;
};

} // namespace corvanel
