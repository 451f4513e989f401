// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/RegistryFormat.h>
#include <corvanel/corvanel_export.h>

#include <corvanel/SafeFile.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace corvanel {

class RegistryStore;

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
// Each root lives in one file of the REGEDIT4 text format (RegistryFormat),
// HKEY_CURRENT_USER.reg under $XDG_CONFIG_HOME/Corvanel/registry and the
// machine-wide roots under the system configuration directory; the environment
// variable CORVANEL_REGISTRY_DIR moves all of them. HKEY_PERFORMANCE_DATA and
// HKEY_DYN_DATA have no file and cannot be opened.
//
// Opening a key reads the whole file once, without any lock (a store is only
// ever replaced whole), and keeps it indexed; reads then cost a hash look-up
// and the file is read again only when it has changed. Writes are kept and
// written when the key is flushed or closed: under the store's lock
// (StoreLock) the file is read afresh, the writes are applied to what other
// processes wrote meanwhile, and the result replaces the file through
// SafeFile, all or nothing. A store larger than kMaxStoreSize is refused.
//
// Names of keys and values are matched ignoring case and keep the spelling
// they were created with; names RegistryFormat cannot write are refused.
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

    RegistryRoot RootKey() const { return m_root; }
    // Closes the open key, if any.
    void SetRootKey(RegistryRoot root);

    // With lazy writing (the default) changes reach the file at the latest
    // when the key is closed; without it CloseKey() writes them and waits.
    bool LazyWrite() const { return m_lazyWrite; }
    void SetLazyWrite(bool lazy) { m_lazyWrite = lazy; }

    // Opens `key` (backslash-separated, relative to the root; a leading
    // backslash makes no difference), creating it and its parents when
    // `canCreate` is set. With full access the open fails when the store
    // cannot be written. Writes to a key opened before stay pending and are
    // written with this key's, all at once.
    bool OpenKey(const QString &key, bool canCreate);
    bool OpenKeyReadOnly(const QString &key);
    void CloseKey();
    // Writes pending changes now; false when the file could not be written,
    // which leaves the file as it was and the changes pending.
    bool Flush();
    // Drops the writes not yet written and closes the key.
    void DiscardChanges();
    // Why the last operation that failed did so.
    QString LastError() const { return m_error; }

    static constexpr qint64 kMaxStoreSize = qint64(256) << 20;

    bool IsOpen() const { return m_key.has_value(); }
    // The open key's path below the root, in its stored spelling.
    QString CurrentPath() const { return m_path.join(QLatin1Char('\\')); }

    // Keys by their full path below the root; the open key is not involved.
    bool KeyExists(const QString &key) const;
    bool DeleteKey(const QString &key);

    QStringList GetKeyNames() const;
    QStringList GetValueNames() const;
    bool ValueExists(const QString &name) const;
    TRegDataType GetDataType(const QString &name) const;
    std::optional<RegistryValue> ReadValue(const QString &name) const;
    // Only REG_SZ and REG_EXPAND_SZ values (unexpanded) read as strings, only
    // REG_DWORD values as integers; anything else leaves `value` untouched.
    bool ReadString(const QString &name, QString &value) const;
    bool ReadInteger(const QString &name, qint32 &value) const;

    bool WriteValue(const QString &name, const RegistryValue &value);
    bool WriteString(const QString &name, const QString &value);
    bool WriteExpandString(const QString &name, const QString &value);
    bool WriteInteger(const QString &name, qint32 value);
    bool DeleteValue(const QString &name);

    // "HKEY_CURRENT_USER" and so on; empty for NoRoot.
    static QString RootName(RegistryRoot root);
    // Accepts the full names and the short ones (HKCU, HKLM, HKCR, HKU, HKCC),
    // ignoring case; NoRoot for anything else.
    static RegistryRoot RootFromName(const QString &name);
    // The file holding `root`, or empty when the root has none.
    static QString StoreFileName(RegistryRoot root);

private:
    struct Change;

    bool open(const QString &key, bool canCreate, Access access);
    bool refresh();
    bool commit();
    bool fail(const QString &message) const;
    bool record(Change change);
    QStringList fullPath(const QStringList &below) const;

    Access m_access;
    RegistryRoot m_root = RegistryRoot::CurrentUser;
    bool m_lazyWrite = true;
    bool m_writable = false;
    std::unique_ptr<RegistryStore> m_store;
    quint64 m_generation = 0; // counts the snapshots m_store has held
    SafeFile::Stamp m_stamp;
    QString m_storeFile;
    std::optional<qsizetype> m_key;
    QStringList m_path;
    std::vector<Change> m_changes;
    mutable QString m_error;
};

} // namespace corvanel
