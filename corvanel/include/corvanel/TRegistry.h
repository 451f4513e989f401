// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/RegistryFormat.h>
#include <corvanel/corvanel_export.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

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
// Each root lives in one file of the REGEDIT4 text format (RegistryFormat),
// HKEY_CURRENT_USER.reg under $XDG_CONFIG_HOME/Corvanel/registry and the
// machine-wide roots under the system configuration directory; the environment
// variable CORVANEL_REGISTRY_DIR moves all of them. QSettings does the file
// work: it locks the file, merges what other processes wrote meanwhile key by
// key, and replaces the file atomically. HKEY_PERFORMANCE_DATA and
// HKEY_DYN_DATA have no file and cannot be opened.
//
// Names of keys and values are matched ignoring case and keep the spelling
// they were created with. Nothing here throws: an operation that cannot be
// done returns false (or an empty result), so callers fall back to defaults.
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
    // cannot be written.
    bool OpenKey(const QString &key, bool canCreate);
    bool OpenKeyReadOnly(const QString &key);
    void CloseKey();
    // Writes pending changes now; false when the file could not be written.
    bool Flush();

    bool IsOpen() const { return m_settings != nullptr; }
    // The open key's path below the root, in its stored spelling.
    QString CurrentPath() const { return m_path; }

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
    class StoreGuard;

    bool open(const QString &key, bool canCreate, Access access);
    bool syncStore();
    QString entryOf(const QString &name) const;
    QStringList children(bool groups) const;

    Access m_access;
    RegistryRoot m_root = RegistryRoot::CurrentUser;
    bool m_lazyWrite = true;
    bool m_writable = false;
    std::unique_ptr<QSettings> m_settings;
    QString m_group;
    QString m_path;
};

} // namespace corvanel
