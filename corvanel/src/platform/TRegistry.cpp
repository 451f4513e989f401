// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/TRegistry.h>

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

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

QString systemConfigDir()
{
    const QStringList dirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    return dirs.size() > 1 ? dirs.at(1) : QStringLiteral("/etc/xdg");
}

// The store can be rewritten: QSettings needs its folder for the lock file and
// for the temporary file it renames over the old one.
bool storeWritable(const QString &fileName)
{
    const QFileInfo file(fileName);
    const QString dir = file.absolutePath();
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        return false;
    if (!QFileInfo(dir).isWritable())
        return false;
    return !file.exists() || (file.isFile() && file.isWritable());
}

// The stored spelling of `name` among encoded `entries`, decoded by `decode`.
template <typename Decode>
QString findEntry(const QStringList &entries, const QString &name, Decode decode)
{
    for (const QString &entry : entries)
        if (decode(entry).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

QStringList childGroupsOf(QSettings &settings, const QString &group)
{
    settings.beginGroup(group);
    const QStringList groups = settings.childGroups();
    settings.endGroup();
    return groups;
}

// The settings group of `segments` below the root group, in stored spelling,
// or empty when a level is missing and may not be created. Created levels get
// a key marker so that they exist even without values.
QString resolveGroup(QSettings &settings, const QString &rootGroup, const QStringList &segments,
                     bool create)
{
    QString group = rootGroup;
    for (const QString &segment : segments) {
        QString found = findEntry(childGroupsOf(settings, group), segment,
                                  [](const QString &e) { return RegistryFormat::decodeName(e); });
        if (found.isEmpty()) {
            if (!create)
                return {};
            found = RegistryFormat::encodeName(segment);
            settings.setValue(group + QLatin1Char('/') + found + QLatin1Char('/') +
                                  RegistryFormat::keyMarker(),
                              1);
        }
        group += QLatin1Char('/') + found;
    }
    return group;
}

// A store's settings whose pending changes are written only when TRegistry
// syncs them under its StoreGuard, never by QSettings' deferred sync from the
// event loop.
class StoreSettings final : public QSettings
{
public:
    using QSettings::QSettings;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            return true;
        return QSettings::event(event);
    }
};

std::unique_ptr<QSettings> openStore(RegistryRoot root)
{
    const QString fileName = TRegistry::StoreFileName(root);
    if (fileName.isEmpty())
        return nullptr;
    return std::make_unique<StoreSettings>(fileName, RegistryFormat::settingsFormat());
}

} // namespace

// QSettings' own lock keeps two rewrites of a store apart, but its check for a
// file changed by another process (size and modification time) lets a read
// that meets another process's rewrite go unnoticed, and the next write then
// drops that process's values. Every read and rewrite of a store therefore
// runs under an exclusive lock of its own, a kernel lock on "<store>.guard"
// that dies with its process. Where the guard file cannot be made (a
// read-only folder) the store is used unguarded: nobody can rewrite it there.
class TRegistry::StoreGuard
{
public:
    explicit StoreGuard(RegistryRoot root)
    {
#ifdef Q_OS_UNIX
        const QString store = TRegistry::StoreFileName(root);
        if (store.isEmpty() || !QFileInfo(QFileInfo(store).absolutePath()).isDir())
            return;
        const QByteArray path = QFile::encodeName(store + QStringLiteral(".guard"));
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (m_fd < 0)
            m_fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0)
            return;
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
#else
        Q_UNUSED(root);
#endif
    }
    ~StoreGuard()
    {
#ifdef Q_OS_UNIX
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
#endif
    }
    StoreGuard(const StoreGuard &) = delete;
    StoreGuard &operator=(const StoreGuard &) = delete;

private:
    int m_fd = -1;
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
}

bool TRegistry::OpenKey(const QString &key, bool canCreate)
{
    return open(key, canCreate, m_access);
}

bool TRegistry::OpenKeyReadOnly(const QString &key)
{
    return open(key, false, Access::Read);
}

bool TRegistry::open(const QString &key, bool canCreate, Access access)
{
    CloseKey();
    const StoreGuard guard(m_root);
    std::unique_ptr<QSettings> settings = openStore(m_root);
    if (!settings) {
        qCDebug(lcRegistry) << "no store for root" << quint32(m_root);
        return false;
    }
    const bool writable = access == Access::All && storeWritable(settings->fileName());
    if (access == Access::All && !writable) {
        qCDebug(lcRegistry) << "cannot write" << settings->fileName();
        return false;
    }
    const QString group =
        resolveGroup(*settings, RootName(m_root), segmentsOf(key), canCreate && writable);
    if (group.isEmpty())
        return false;
    QStringList path = group.split(QLatin1Char('/'));
    path.removeFirst();
    for (QString &segment : path)
        segment = RegistryFormat::decodeName(segment);
    m_path = path.join(QLatin1Char('\\'));
    m_group = group;
    m_writable = writable;
    m_settings = std::move(settings);
    return true;
}

void TRegistry::CloseKey()
{
    if (!m_settings)
        return;
    const StoreGuard guard(m_root);
    if (!m_lazyWrite)
        syncStore();
    m_settings.reset(); // QSettings writes what is still pending
    m_group.clear();
    m_path.clear();
    m_writable = false;
}

bool TRegistry::Flush()
{
    if (!m_settings)
        return true;
    const StoreGuard guard(m_root);
    return syncStore();
}

bool TRegistry::syncStore()
{
    m_settings->sync();
    const bool ok = m_settings->status() == QSettings::NoError;
    if (!ok)
        qCDebug(lcRegistry) << "could not write" << m_settings->fileName();
    return ok;
}

bool TRegistry::KeyExists(const QString &key) const
{
    const StoreGuard guard(m_root);
    std::unique_ptr<QSettings> settings = openStore(m_root);
    return settings && !resolveGroup(*settings, RootName(m_root), segmentsOf(key), false).isEmpty();
}

bool TRegistry::DeleteKey(const QString &key)
{
    const QStringList segments = segmentsOf(key);
    const StoreGuard guard(m_root);
    std::unique_ptr<QSettings> settings = openStore(m_root);
    if (segments.isEmpty() || !settings || !storeWritable(settings->fileName()))
        return false;
    const QString group = resolveGroup(*settings, RootName(m_root), segments, false);
    if (group.isEmpty())
        return false;
    // Subkey names never start with '=' and value entries always do, so this
    // removes the key's subtree and nothing of its parent.
    settings->remove(group);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QStringList TRegistry::children(bool groups) const
{
    if (!m_settings)
        return {};
    m_settings->beginGroup(m_group);
    const QStringList names = groups ? m_settings->childGroups() : m_settings->childKeys();
    m_settings->endGroup();
    return names;
}

QStringList TRegistry::GetKeyNames() const
{
    QStringList names;
    for (const QString &group : children(true))
        names << RegistryFormat::decodeName(group);
    return names;
}

QStringList TRegistry::GetValueNames() const
{
    QStringList names;
    for (const QString &leaf : children(false))
        if (RegistryFormat::isValueEntry(leaf))
            names << RegistryFormat::valueNameOf(leaf);
    return names;
}

QString TRegistry::entryOf(const QString &name) const
{
    QStringList values;
    for (const QString &leaf : children(false))
        if (RegistryFormat::isValueEntry(leaf))
            values << leaf;
    return findEntry(values, name, [](const QString &e) { return RegistryFormat::valueNameOf(e); });
}

bool TRegistry::ValueExists(const QString &name) const
{
    return !entryOf(name).isEmpty();
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
    const QString entry = entryOf(name);
    if (entry.isEmpty())
        return std::nullopt;
    const QVariant stored = m_settings->value(m_group + QLatin1Char('/') + entry);
    if (stored.metaType() != QMetaType::fromType<RegistryValue>())
        return std::nullopt;
    return stored.value<RegistryValue>();
}

bool TRegistry::ReadString(const QString &name, QString &value) const
{
    const std::optional<RegistryValue> stored = ReadValue(name);
    if (!stored || !stored->isText())
        return false;
    value = stored->text;
    return true;
}

bool TRegistry::ReadInteger(const QString &name, qint32 &value) const
{
    const std::optional<RegistryValue> stored = ReadValue(name);
    if (!stored || stored->type != RegistryValue::TypeDWord)
        return false;
    value = qint32(stored->dword);
    return true;
}

bool TRegistry::WriteValue(const QString &name, const RegistryValue &value)
{
    if (!m_settings || !m_writable)
        return false;
    QString entry = entryOf(name);
    if (entry.isEmpty())
        entry = RegistryFormat::valueEntry(name);
    const QString key = m_group + QLatin1Char('/') + entry;
    // Rewriting an unchanged value would rewrite the whole file for nothing.
    const QVariant stored = m_settings->value(key);
    if (stored.metaType() == QMetaType::fromType<RegistryValue>() &&
        stored.value<RegistryValue>() == value)
        return true;
    m_settings->setValue(key, QVariant::fromValue(value));
    return true;
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
    if (!m_settings || !m_writable)
        return false;
    const QString entry = entryOf(name);
    if (entry.isEmpty())
        return false;
    m_settings->remove(m_group + QLatin1Char('/') + entry);
    return true;
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
