// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace corvanel {

/// The predefined roots, numbered as the registry's own root handles so that a
/// native Windows backend can hand them to the system unchanged.
enum class RegistryRoot : quint32
{
    /// No root: nothing can be opened.
    NoRoot = 0,
    /// HKEY_CLASSES_ROOT.
    ClassesRoot = 0x80000000,
    /// HKEY_CURRENT_USER, the user's own store.
    CurrentUser = 0x80000001,
    /// HKEY_LOCAL_MACHINE.
    LocalMachine = 0x80000002,
    /// HKEY_USERS.
    Users = 0x80000003,
    /// HKEY_PERFORMANCE_DATA, which has no store.
    PerformanceData = 0x80000004,
    /// HKEY_CURRENT_CONFIG.
    CurrentConfig = 0x80000005,
    /// HKEY_DYN_DATA, which has no store.
    DynData = 0x80000006,
};

/// The type of a stored value, as TRegistry::GetDataType() reports it.
enum TRegDataType
{
    /// No such value, or a type the other kinds do not cover.
    rdUnknown,
    /// A string (REG_SZ).
    rdString,
    /// A string with unexpanded environment references (REG_EXPAND_SZ).
    rdExpandString,
    /// A 32-bit integer (REG_DWORD).
    rdInteger,
    /// Binary data (REG_BINARY).
    rdBinary
};

/// A connection to one registry key, in the manner of the classic TRegistry.
///
/// Each root is one database, HKEY_CURRENT_USER.db under
/// $XDG_CONFIG_HOME/Corvanel/registry (the folder 0700, the files 0600) and the
/// machine-wide roots under the system configuration folder (readable by every
/// user, written by root); the environment variable CORVANEL_REGISTRY_DIR moves
/// all of them. HKEY_PERFORMANCE_DATA and HKEY_DYN_DATA have no store and
/// cannot be opened. A store folder that another user can write, or that
/// belongs to neither the user nor root, is refused, and a store is never
/// opened through a symbolic link. A 2.x store file (HKEY_CURRENT_USER.reg) is
/// carried over on first use and kept as HKEY_CURRENT_USER.reg.imported.
///
/// Every write is committed before it returns: another TRegistry, another
/// process and corvanel-reg see it at once, and it survives the end of the
/// process. Reads always see the latest committed values. CloseKey() without
/// lazy writing, Flush() and the destructor also make the writes durable on
/// disk. A writer waits at most three seconds for another one and then fails;
/// a write that fails changes nothing.
///
/// Names of keys and values are matched ignoring case and keep the spelling
/// they were created with; a key name (one level) has 1 to 255 characters, a
/// value name up to 16,383, and neither may hold a control character.
/// Nothing here throws: an operation that cannot be done returns false (or an
/// empty result) and LastError() says why, so callers fall back to defaults.
class CORVANEL_EXPORT TRegistry
{
public:
    /// What the registry may do with the keys it opens.
    enum class Access
    {
        /// Read only: OpenKey() opens without creating, and writes fail.
        Read,
        /// Read and write.
        All
    };

    /// A registry on RegistryRoot::CurrentUser with no key open, lazy writing
    /// on, with the given `access` (full by default).
    explicit TRegistry(Access access = Access::All);
    /// Closes the key and the store, making the writes durable; an unfinished
    /// transaction is rolled back.
    ~TRegistry();
    TRegistry(const TRegistry &) = delete;
    TRegistry &operator=(const TRegistry &) = delete;

    /// The root that keys are opened below.
    RegistryRoot RootKey() const;
    /// Sets RootKey(), closing the open key, if any.
    void SetRootKey(RegistryRoot root);

    /// Whether CloseKey() leaves the writes to reach the disk later; true by
    /// default. Without lazy writing CloseKey() waits until they are on disk.
    bool LazyWrite() const;
    /// Sets LazyWrite().
    void SetLazyWrite(bool lazy);

    /// Opens `key` (backslash-separated, relative to the root; a leading
    /// backslash makes no difference), creating it and its parents when
    /// `canCreate` is set, and closes the key open before. With full access
    /// the open fails when the store cannot be written. False when the key
    /// is missing (and not created), its name is invalid or the store cannot
    /// be opened; LastError() says which.
    bool OpenKey(const QString &key, bool canCreate);
    /// Opens an existing `key` for reading only, whatever the access; false
    /// as for OpenKey().
    bool OpenKeyReadOnly(const QString &key);
    /// Closes the open key; nothing when none is open.
    void CloseKey();
    /// Waits until every write so far is on disk; false when that failed.
    bool Flush();
    /// Why the last operation that failed did so; empty before any failure.
    QString LastError() const;

    /// Whether a key is open; false for a new registry.
    bool IsOpen() const;
    /// The open key's path below the root, in its stored spelling; empty when
    /// no key is open.
    QString CurrentPath() const;

    /// Whether the key `key` exists, by its full path below the root; the open
    /// key is not involved. False also when the store cannot be read.
    bool KeyExists(const QString &key) const;
    /// Deletes the key `key` (full path below the root) with all its subkeys
    /// and values; false when it is missing or cannot be deleted.
    bool DeleteKey(const QString &key);

    /// The names of the open key's subkeys; empty when no key is open.
    QStringList GetKeyNames() const;
    /// The names of the open key's values; empty when no key is open.
    QStringList GetValueNames() const;
    /// Whether the open key has the value `name`; false when no key is open.
    bool ValueExists(const QString &name) const;
    /// The type of the value `name`; rdUnknown when it is missing.
    TRegDataType GetDataType(const QString &name) const;
    /// Reads the string value `name` into `value`. Only REG_SZ and
    /// REG_EXPAND_SZ values (unexpanded) read as strings, only REG_DWORD
    /// values as integers, only REG_BINARY values as binary data; anything
    /// else, a missing value or no open key returns false and leaves `value`
    /// untouched.
    bool ReadString(const QString &name, QString &value) const;
    /// Reads the integer value `name`; false as for ReadString().
    bool ReadInteger(const QString &name, qint32 &value) const;
    /// Reads the binary value `name`; false as for ReadString().
    bool ReadBinaryData(const QString &name, QByteArray &value) const;

    /// Writes `value` as the REG_SZ value `name`, replacing any value of that
    /// name; false (and nothing changed) when no key is open for writing, the
    /// name is invalid or the store refused.
    bool WriteString(const QString &name, const QString &value);
    /// Writes `value` as the REG_EXPAND_SZ value `name`; false as for
    /// WriteString().
    bool WriteExpandString(const QString &name, const QString &value);
    /// Writes `value` as the REG_DWORD value `name`; false as for WriteString().
    bool WriteInteger(const QString &name, qint32 value);
    /// Writes `value` as the REG_BINARY value `name`; false as for WriteString().
    bool WriteBinaryData(const QString &name, const QByteArray &value);
    /// Deletes the value `name` of the open key; false when it is missing or
    /// cannot be deleted.
    bool DeleteValue(const QString &name);

    /// Groups the writes until CommitTransaction() into one transaction: all
    /// of them are kept, or none (RollbackTransaction(), a failed commit or
    /// the destruction of the registry). Needs an open key; calls nest.
    /// False when no key is open or the store refused.
    bool BeginTransaction();
    /// Ends the innermost transaction; the outermost one keeps its writes.
    /// False when none is running or the commit failed (then none is kept).
    bool CommitTransaction();
    /// Drops the writes of the innermost transaction and ends it; nothing when
    /// none is running.
    void RollbackTransaction();

    /// "HKEY_CURRENT_USER" and so on; empty for NoRoot.
    static QString RootName(RegistryRoot root);
    /// Accepts the full names and the short ones (HKCU, HKLM, HKCR, HKU, HKCC),
    /// ignoring case; NoRoot for anything else.
    static RegistryRoot RootFromName(const QString &name);
    /// The database holding `root`, or empty when the root has none.
    static QString StoreFileName(RegistryRoot root);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
