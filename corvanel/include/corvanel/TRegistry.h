// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace corvanel {

// The predefined roots, numbered as the registry's own root handles so that a
// native Windows backend can hand them to the system unchanged.
enum class RegistryRoot : quint32
{
    NoRoot = 0,
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
    PerformanceData = 0x80000004,
    CurrentConfig = 0x80000005,
    DynData = 0x80000006,
};

enum TRegDataType
{
    rdUnknown,
    rdString,
    rdExpandString,
    rdInteger,
    rdBinary
};

// A connection to one registry key, in the manner of the classic TRegistry.
//
// Each root is one database, HKEY_CURRENT_USER.db under
// $XDG_CONFIG_HOME/Corvanel/registry (the folder 0700, the files 0600) and the
// machine-wide roots under the system configuration folder (readable by every
// user, written by root); the environment variable CORVANEL_REGISTRY_DIR moves
// all of them. HKEY_PERFORMANCE_DATA and HKEY_DYN_DATA have no store and
// cannot be opened. A store folder that another user can write, or that
// belongs to neither the user nor root, is refused, and a store is never
// opened through a symbolic link. A 2.x store file (HKEY_CURRENT_USER.reg) is
// carried over on first use and kept as HKEY_CURRENT_USER.reg.imported.
//
// Every write is committed before it returns: another TRegistry, another
// process and corvanel-reg see it at once, and it survives the end of the
// process. Reads always see the latest committed values. CloseKey() without
// lazy writing, Flush() and the destructor also make the writes durable on
// disk. A writer waits at most three seconds for another one and then fails;
// a write that fails changes nothing.
//
// Names of keys and values are matched ignoring case and keep the spelling
// they were created with; a key name (one level) has 1 to 255 characters, a
// value name up to 16,383, and neither may hold a control character.
// Nothing here throws: an operation that cannot be done returns false (or an
// empty result) and LastError() says why, so callers fall back to defaults.
class CORVANEL_EXPORT TRegistry
{
public:
    enum class Access
    {
        Read,
        All
    };

    explicit TRegistry(Access access = Access::All);
    ~TRegistry();
    TRegistry(const TRegistry &) = delete;
    TRegistry &operator=(const TRegistry &) = delete;

    RegistryRoot RootKey() const;
    // Closes the open key, if any.
    void SetRootKey(RegistryRoot root);

    // Without lazy writing CloseKey() waits until the writes are on disk.
    bool LazyWrite() const;
    void SetLazyWrite(bool lazy);

    // Opens `key` (backslash-separated, relative to the root; a leading
    // backslash makes no difference), creating it and its parents when
    // `canCreate` is set. With full access the open fails when the store
    // cannot be written.
    bool OpenKey(const QString &key, bool canCreate);
    bool OpenKeyReadOnly(const QString &key);
    void CloseKey();
    // Waits until every write so far is on disk.
    bool Flush();
    // Why the last operation that failed did so.
    QString LastError() const;

    bool IsOpen() const;
    // The open key's path below the root, in its stored spelling.
    QString CurrentPath() const;

    // Keys by their full path below the root; the open key is not involved.
    bool KeyExists(const QString &key) const;
    // Deletes the key with all its subkeys and values.
    bool DeleteKey(const QString &key);

    QStringList GetKeyNames() const;
    QStringList GetValueNames() const;
    bool ValueExists(const QString &name) const;
    TRegDataType GetDataType(const QString &name) const;
    // Only REG_SZ and REG_EXPAND_SZ values (unexpanded) read as strings, only
    // REG_DWORD values as integers, only REG_BINARY values as binary data;
    // anything else leaves `value` untouched.
    bool ReadString(const QString &name, QString &value) const;
    bool ReadInteger(const QString &name, qint32 &value) const;
    bool ReadBinaryData(const QString &name, QByteArray &value) const;

    bool WriteString(const QString &name, const QString &value);
    bool WriteExpandString(const QString &name, const QString &value);
    bool WriteInteger(const QString &name, qint32 value);
    bool WriteBinaryData(const QString &name, const QByteArray &value);
    bool DeleteValue(const QString &name);

    // Groups the writes until CommitTransaction() into one transaction: all
    // of them are kept, or none (RollbackTransaction(), a failed commit or
    // the destruction of the registry). Needs an open key; calls nest.
    bool BeginTransaction();
    bool CommitTransaction();
    void RollbackTransaction();

    // "HKEY_CURRENT_USER" and so on; empty for NoRoot.
    static QString RootName(RegistryRoot root);
    // Accepts the full names and the short ones (HKCU, HKLM, HKCR, HKU, HKCC),
    // ignoring case; NoRoot for anything else.
    static RegistryRoot RootFromName(const QString &name);
    // The database holding `root`, or empty when the root has none.
    static QString StoreFileName(RegistryRoot root);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
