// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/TRegistry.h>

#include <corvanel/RegistryStore.h>
#include <corvanel/StoreLock.h>

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <algorithm>

namespace corvanel {

// Why a key could not be opened or written; off unless QT_LOGGING_RULES asks.
Q_LOGGING_CATEGORY(lcRegistry, "corvanel.registry", QtInfoMsg)

namespace {

struct RootNames
{
    RegistryRoot root;
    const char *name;
    const char *shortName;
};

constexpr RootNames kRoots[] = {
    {RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {RegistryRoot::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {RegistryRoot::Users, "HKEY_USERS", "HKU"},
    {RegistryRoot::PerformanceData, "HKEY_PERFORMANCE_DATA", ""},
    {RegistryRoot::CurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
    {RegistryRoot::DynData, "HKEY_DYN_DATA", ""},
};

QStringList segmentsOf(const QString &key)
{
    return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool validSegments(const QStringList &segments)
{
    return std::all_of(segments.begin(), segments.end(),
                       [](const QString &s) { return RegistryFormat::isValidKeyName(s); });
}

QString systemConfigDir()
{
    const QStringList dirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    return dirs.size() > 1 ? dirs.at(1) : QStringLiteral("/etc/xdg");
}

// The store can be rewritten once its folder exists: the folder, or the
// nearest one above it that exists, takes new files, and the store itself, if
// there is one, is a writable regular file. Creates nothing.
bool storeWritable(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (file.exists() && !(file.isFile() && file.isWritable()))
        return false;
    QFileInfo dir(file.absolutePath());
    while (!dir.exists()) {
        const QString parent = dir.absolutePath();
        if (parent == dir.absoluteFilePath())
            return false;
        dir = QFileInfo(parent);
    }
    return dir.isDir() && dir.isWritable();
}

} // namespace

// One write kept until the key is flushed or closed. `path` is the full path
// from the root's name down.
struct TRegistry::Change
{
    enum Kind
    {
        CreateKey,
        SetValue,
        DeleteValue,
        DeleteKey
    };
    Kind kind;
    QStringList path;
    QString name;
    RegistryValue value;

    void applyTo(RegistryStore &store) const
    {
        if (kind == CreateKey || kind == SetValue) {
            const RegistryStore::KeyId key = store.create(RegistryStore::kTop, path);
            if (kind == SetValue)
                store.setValue(key, name, value);
            return;
        }
        const std::optional<RegistryStore::KeyId> key = store.find(RegistryStore::kTop, path);
        if (key && kind == DeleteValue)
            store.removeValue(*key, name);
        else if (key)
            store.remove(*key);
    }
};

TRegistry::TRegistry(Access access) : m_access(access) {}

TRegistry::~TRegistry()
{
    CloseKey();
}

void TRegistry::SetRootKey(RegistryRoot root)
{
    if (m_root == root)
        return;
    CloseKey();
    m_root = root;
    m_store.reset();
}

bool TRegistry::OpenKey(const QString &key, bool canCreate)
{
    return open(key, canCreate, m_access);
}

bool TRegistry::OpenKeyReadOnly(const QString &key)
{
    return open(key, false, Access::Read);
}

bool TRegistry::fail(const QString &message) const
{
    m_error = message;
    qCDebug(lcRegistry) << message;
    return false;
}

QStringList TRegistry::fullPath(const QStringList &below) const
{
    return QStringList{RootName(m_root)} + below;
}

// Brings the snapshot up to date with the file, unless writes are pending:
// they belong to the snapshot until they are written.
bool TRegistry::refresh()
{
    const QString fileName = StoreFileName(m_root);
    if (fileName.isEmpty())
        return fail(QStringLiteral("%1 has no store.").arg(RootName(m_root)));
    if (!m_changes.empty() && m_store)
        return true;
    if (m_store && m_storeFile == fileName && SafeFile::stampOf(fileName) == m_stamp &&
        m_stamp.size >= 0)
        return true;
    QByteArray bytes;
    SafeFile::Stamp stamp;
    QString error;
    if (!SafeFile::read(fileName, kMaxStoreSize, bytes, stamp, &error)) {
        m_store.reset();
        return fail(error);
    }
    auto store = std::make_unique<RegistryStore>();
    store->load(RegistryFormat::parse(bytes));
    m_store = std::move(store);
    ++m_generation;
    m_stamp = stamp;
    m_storeFile = fileName;
    return true;
}

bool TRegistry::open(const QString &key, bool canCreate, Access access)
{
    // Writes to the key open so far stay pending, as with lazy writing: they
    // go out with the next Flush() or CloseKey(), together with this key's.
    const std::optional<qsizetype> previous = m_key;
    const QStringList previousPath = m_path;
    const quint64 generation = m_generation;
    m_key.reset();
    m_path.clear();
    m_writable = false;
    const QStringList segments = segmentsOf(key);
    if (!validSegments(segments))
        return fail(QStringLiteral("Invalid key name \"%1\".").arg(key));
    if (!refresh())
        return false;
    // A key below the one open before is looked up from there: walking a
    // deep tree level by level then costs one step per level.
    const bool below = previous && generation == m_generation &&
                       segments.size() >= previousPath.size() &&
                       std::equal(previousPath.begin(), previousPath.end(), segments.begin(),
                                  [](const QString &a, const QString &b) {
                                      return a.compare(b, Qt::CaseInsensitive) == 0;
                                  });
    const bool writable = access == Access::All && storeWritable(m_storeFile);
    if (access == Access::All && !writable)
        return fail(QStringLiteral("Cannot write to %1.").arg(m_storeFile));
    const QStringList path = fullPath(segments);
    std::optional<RegistryStore::KeyId> found =
        below ? m_store->find(*previous, segments.mid(previousPath.size()))
              : m_store->find(RegistryStore::kTop, path);
    if (!found && !(canCreate && writable))
        return fail(QStringLiteral("The key %1 does not exist.").arg(path.join(QLatin1Char('\\'))));
    m_writable = writable;
    if (!found) {
        found = m_store->create(RegistryStore::kTop, path);
        m_changes.push_back(Change{Change::CreateKey, path, {}, {}});
    }
    m_key = *found;
    m_path = m_store->pathBelowRoot(*found);
    return true;
}

void TRegistry::CloseKey()
{
    if (!m_changes.empty() && !commit())
        m_changes.clear(); // lost with the key; the file stays as it was
    m_key.reset();
    m_path.clear();
    m_writable = false;
}

void TRegistry::DiscardChanges()
{
    m_changes.clear();
    m_store.reset(); // holds the dropped writes; read afresh when needed
    ++m_generation;
    m_key.reset();
    m_path.clear();
    m_writable = false;
}

bool TRegistry::Flush()
{
    return m_changes.empty() || commit();
}

bool TRegistry::commit()
{
    const QString fileName = StoreFileName(m_root);
    if (fileName.isEmpty())
        return fail(QStringLiteral("%1 has no store.").arg(RootName(m_root)));
    const bool perUser = m_root == RegistryRoot::CurrentUser;
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return fail(QStringLiteral("Cannot create the folder of %1.").arg(fileName));
    const QString target = SafeFile::resolved(fileName);
    const StoreLock lock(target, perUser);
    if (!lock.isLocked())
        return fail(lock.error());
    QByteArray bytes;
    SafeFile::Stamp stamp;
    QString error;
    if (!SafeFile::read(target, kMaxStoreSize, bytes, stamp, &error))
        return fail(error);
    auto fresh = std::make_unique<RegistryStore>();
    fresh->load(RegistryFormat::parse(bytes));
    for (const Change &change : m_changes)
        change.applyTo(*fresh);
    if (!SafeFile::replace(target, RegistryFormat::serialize(fresh->keys()), 0666, &error))
        return fail(error);
    m_changes.clear();
    m_store = std::move(fresh);
    ++m_generation;
    m_stamp = SafeFile::stampOf(fileName);
    m_storeFile = fileName;
    if (m_key) {
        // The open key is gone when it was deleted, here or by another process.
        m_key = m_store->find(RegistryStore::kTop, fullPath(m_path));
        if (!m_key)
            m_path.clear();
    }
    return true;
}

bool TRegistry::KeyExists(const QString &key) const
{
    const QStringList segments = segmentsOf(key);
    if (!validSegments(segments))
        return false;
    if (!const_cast<TRegistry *>(this)->refresh())
        return false;
    return m_store->find(RegistryStore::kTop, fullPath(segments)).has_value();
}

bool TRegistry::DeleteKey(const QString &key)
{
    const QStringList segments = segmentsOf(key);
    if (segments.isEmpty() || !validSegments(segments) || !refresh())
        return false;
    if (!storeWritable(m_storeFile))
        return fail(QStringLiteral("Cannot write to %1.").arg(m_storeFile));
    const QStringList path = fullPath(segments);
    const std::optional<RegistryStore::KeyId> found = m_store->find(RegistryStore::kTop, path);
    if (!found)
        return fail(QStringLiteral("The key %1 does not exist.").arg(path.join(QLatin1Char('\\'))));
    m_store->remove(*found);
    m_changes.push_back(Change{Change::DeleteKey, path, {}, {}});
    return commit();
}

QStringList TRegistry::GetKeyNames() const
{
    return m_key ? m_store->subkeyNames(*m_key) : QStringList();
}

QStringList TRegistry::GetValueNames() const
{
    return m_key ? m_store->valueNames(*m_key) : QStringList();
}

bool TRegistry::ValueExists(const QString &name) const
{
    return m_key && m_store->value(*m_key, name);
}

TRegDataType TRegistry::GetDataType(const QString &name) const
{
    const std::optional<RegistryValue> value = ReadValue(name);
    if (!value)
        return rdUnknown;
    switch (value->type) {
    case RegistryValue::TypeString:
        return rdString;
    case RegistryValue::TypeExpandString:
        return rdExpandString;
    case RegistryValue::TypeDWord:
        return rdInteger;
    case RegistryValue::TypeBinary:
        return rdBinary;
    default:
        return rdUnknown;
    }
}

std::optional<RegistryValue> TRegistry::ReadValue(const QString &name) const
{
    const RegistryValue *value = m_key ? m_store->value(*m_key, name) : nullptr;
    if (!value)
        return std::nullopt;
    return *value;
}

bool TRegistry::ReadString(const QString &name, QString &value) const
{
    const RegistryValue *stored = m_key ? m_store->value(*m_key, name) : nullptr;
    if (!stored || !stored->isText())
        return false;
    value = stored->text;
    return true;
}

bool TRegistry::ReadInteger(const QString &name, qint32 &value) const
{
    const RegistryValue *stored = m_key ? m_store->value(*m_key, name) : nullptr;
    if (!stored || stored->type != RegistryValue::TypeDWord)
        return false;
    value = qint32(stored->dword);
    return true;
}

bool TRegistry::record(Change change)
{
    if (!m_key || !m_writable)
        return fail(QStringLiteral("No key is open for writing."));
    change.applyTo(*m_store);
    m_changes.push_back(std::move(change));
    return true;
}

bool TRegistry::WriteValue(const QString &name, const RegistryValue &value)
{
    if (!RegistryFormat::isValidValueName(name))
        return fail(QStringLiteral("Invalid value name \"%1\".").arg(name));
    // Rewriting an unchanged value would rewrite the whole file for nothing.
    if (const RegistryValue *stored = m_key ? m_store->value(*m_key, name) : nullptr;
        stored && *stored == value && m_writable)
        return true;
    const QString stored = m_key ? m_store->storedValueName(*m_key, name) : name;
    return record(Change{Change::SetValue, fullPath(m_path), stored, value});
}

bool TRegistry::WriteString(const QString &name, const QString &value)
{
    return WriteValue(name, RegistryValue::fromString(value));
}

bool TRegistry::WriteExpandString(const QString &name, const QString &value)
{
    return WriteValue(name, RegistryValue::fromExpandString(value));
}

bool TRegistry::WriteInteger(const QString &name, qint32 value)
{
    return WriteValue(name, RegistryValue::fromDWord(quint32(value)));
}

bool TRegistry::DeleteValue(const QString &name)
{
    if (!ValueExists(name))
        return fail(QStringLiteral("The value \"%1\" does not exist.").arg(name));
    return record(Change{Change::DeleteValue, fullPath(m_path), name, {}});
}

QString TRegistry::RootName(RegistryRoot root)
{
    for (const RootNames &r : kRoots)
        if (r.root == root)
            return QString::fromLatin1(r.name);
    return {};
}

RegistryRoot TRegistry::RootFromName(const QString &name)
{
    for (const RootNames &r : kRoots)
        if (name.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0 ||
            (*r.shortName && name.compare(QLatin1String(r.shortName), Qt::CaseInsensitive) == 0))
            return r.root;
    return RegistryRoot::NoRoot;
}

QString TRegistry::StoreFileName(RegistryRoot root)
{
    if (root == RegistryRoot::NoRoot || root == RegistryRoot::PerformanceData ||
        root == RegistryRoot::DynData)
        return {};
    const QString name = RootName(root);
    if (name.isEmpty())
        return {};
    QString dir = qEnvironmentVariable("CORVANEL_REGISTRY_DIR");
    if (dir.isEmpty()) {
        const QString base =
            root == RegistryRoot::CurrentUser
                ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                : systemConfigDir();
        dir = base + QStringLiteral("/Corvanel/registry");
    }
    return QDir(dir).filePath(name + QStringLiteral(".reg"));
}

} // namespace corvanel
