// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/TRegistry.h>

#include "RegistryDatabase.h"
#include "RegistryFormat.h"
#include "RegistryPlace.h"

#include <QLoggingCategory>
#include <algorithm>
#include <optional>

namespace corvanel {

// Why a key could not be opened or written; off unless QT_LOGGING_RULES asks.
Q_LOGGING_CATEGORY(lcRegistry, "corvanel.registry", QtInfoMsg)

namespace {

QStringList segmentsOf(const QString &key)
{
    return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool validSegments(const QStringList &segments)
{
    return std::all_of(segments.begin(), segments.end(),
                       [](const QString &s) { return RegistryFormat::isValidKeyName(s); });
}

bool startsWith(const QStringList &path, const QStringList &prefix)
{
    return path.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), path.begin(),
                      [](const QString &a, const QString &b) {
                          return a.compare(b, Qt::CaseInsensitive) == 0;
                      });
}

} // namespace

struct TRegistry::Private
{
    Access access;
    RegistryRoot root = RegistryRoot::CurrentUser;
    bool lazyWrite = true;
    bool writable = false;
    std::unique_ptr<RegistryDatabase> db;
    std::optional<RegistryDatabase::KeyId> key;
    QStringList path;
    QString error;

    bool fail(const QString &message)
    {
        error = message;
        qCDebug(lcRegistry).noquote() << message;
        return false;
    }
    bool failFromDatabase() { return fail(db->lastError()); }

    // The root's database, opened (or created) on first use.
    bool ensureDatabase(bool create)
    {
        if (db)
            return true;
        QString problem;
        db = RegistryPlace::open(root, create, &problem);
        return db || fail(problem);
    }

    QString fullName(const QStringList &segments) const
    {
        return (QStringList{RegistryPlace::rootName(root)} + segments).join(QLatin1Char('\\'));
    }

    std::optional<std::pair<QString, RegistryValue>> read(const QString &name) const
    {
        if (!key)
            return std::nullopt;
        return db->value(*key, name);
    }

    bool write(const QString &name, const RegistryValue &value)
    {
        if (!key || !writable)
            return fail(QStringLiteral("No key is open for writing."));
        if (!RegistryFormat::isValidValueName(name))
            return fail(QStringLiteral("Invalid value name \"%1\".").arg(name));
        return db->setValue(*key, name, value) || failFromDatabase();
    }

    bool open(const QString &keyName, bool canCreate, Access mode)
    {
        const std::optional<RegistryDatabase::KeyId> previous = key;
        const QStringList previousPath = path;
        key.reset();
        path.clear();
        writable = false;
        const QStringList segments = segmentsOf(keyName);
        if (!validSegments(segments))
            return fail(QStringLiteral("Invalid key name \"%1\".").arg(keyName));
        if (!ensureDatabase(mode == Access::All && canCreate))
            return false;
        if (mode == Access::All && db->readOnly())
            return fail(QStringLiteral("The store %1 cannot be written.").arg(db->fileName()));
        // A key below the one open before is looked up from there: walking a
        // deep tree level by level then costs one step per level.
        const bool below = previous && startsWith(segments, previousPath);
        QStringList stored = below ? previousPath : QStringList();
        std::optional<RegistryDatabase::KeyId> found =
            below ? db->findKey(*previous, segments.mid(previousPath.size()), &stored)
                  : db->findKey(RegistryDatabase::kRoot, segments, &stored);
        if (!found && canCreate && mode == Access::All) {
            found = db->createKey(RegistryDatabase::kRoot, segments);
            if (!found)
                return failFromDatabase();
            stored = db->pathOf(*found).value_or(segments);
        }
        if (!found)
            return fail(QStringLiteral("The key %1 does not exist.").arg(fullName(segments)));
        key = found;
        path = stored;
        writable = mode == Access::All;
        return true;
    }
};

TRegistry::TRegistry(Access access) : d(new Private)
{
    d->access = access;
}

TRegistry::~TRegistry() = default;

RegistryRoot TRegistry::RootKey() const
{
    return d->root;
}

void TRegistry::SetRootKey(RegistryRoot root)
{
    if (d->root == root)
        return;
    CloseKey();
    d->db.reset();
    d->root = root;
}

bool TRegistry::LazyWrite() const
{
    return d->lazyWrite;
}

void TRegistry::SetLazyWrite(bool lazy)
{
    d->lazyWrite = lazy;
}

bool TRegistry::OpenKey(const QString &key, bool canCreate)
{
    return d->open(key, canCreate, d->access);
}

bool TRegistry::OpenKeyReadOnly(const QString &key)
{
    return d->open(key, false, Access::Read);
}

void TRegistry::CloseKey()
{
    if (d->key && !d->lazyWrite)
        Flush();
    d->key.reset();
    d->path.clear();
    d->writable = false;
}

bool TRegistry::Flush()
{
    return !d->db || d->db->checkpoint() || d->failFromDatabase();
}

QString TRegistry::LastError() const
{
    return d->error;
}

bool TRegistry::IsOpen() const
{
    return d->key.has_value();
}

QString TRegistry::CurrentPath() const
{
    return d->path.join(QLatin1Char('\\'));
}

bool TRegistry::KeyExists(const QString &key) const
{
    const QStringList segments = segmentsOf(key);
    if (!validSegments(segments) || !d->ensureDatabase(false))
        return false;
    return d->db->findKey(RegistryDatabase::kRoot, segments).has_value();
}

bool TRegistry::DeleteKey(const QString &key)
{
    const QStringList segments = segmentsOf(key);
    if (segments.isEmpty() || !validSegments(segments))
        return d->fail(QStringLiteral("Invalid key name \"%1\".").arg(key));
    if (!d->ensureDatabase(false))
        return false;
    const auto found = d->db->findKey(RegistryDatabase::kRoot, segments);
    if (!found)
        return d->fail(QStringLiteral("The key %1 does not exist.").arg(d->fullName(segments)));
    return d->db->removeKey(*found) || d->failFromDatabase();
}

QStringList TRegistry::GetKeyNames() const
{
    return d->key ? d->db->subkeyNames(*d->key).value_or(QStringList()) : QStringList();
}

QStringList TRegistry::GetValueNames() const
{
    return d->key ? d->db->valueNames(*d->key).value_or(QStringList()) : QStringList();
}

bool TRegistry::ValueExists(const QString &name) const
{
    return d->read(name).has_value();
}

TRegDataType TRegistry::GetDataType(const QString &name) const
{
    const auto value = d->read(name);
    if (!value)
        return rdUnknown;
    switch (value->second.type) {
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

bool TRegistry::ReadString(const QString &name, QString &value) const
{
    const auto stored = d->read(name);
    if (!stored || !stored->second.isText())
        return false;
    value = stored->second.text;
    return true;
}

bool TRegistry::ReadInteger(const QString &name, qint32 &value) const
{
    const auto stored = d->read(name);
    if (!stored || stored->second.type != RegistryValue::TypeDWord)
        return false;
    value = qint32(stored->second.dword);
    return true;
}

bool TRegistry::ReadBinaryData(const QString &name, QByteArray &value) const
{
    const auto stored = d->read(name);
    if (!stored || stored->second.type != RegistryValue::TypeBinary)
        return false;
    value = stored->second.data;
    return true;
}

bool TRegistry::WriteString(const QString &name, const QString &value)
{
    return d->write(name, RegistryValue::fromString(value));
}

bool TRegistry::WriteExpandString(const QString &name, const QString &value)
{
    return d->write(name, RegistryValue::fromExpandString(value));
}

bool TRegistry::WriteInteger(const QString &name, qint32 value)
{
    return d->write(name, RegistryValue::fromDWord(quint32(value)));
}

bool TRegistry::WriteBinaryData(const QString &name, const QByteArray &value)
{
    return d->write(name, RegistryValue::fromBytes(RegistryValue::TypeBinary, value));
}

bool TRegistry::DeleteValue(const QString &name)
{
    if (!d->key || !d->writable)
        return d->fail(QStringLiteral("No key is open for writing."));
    return d->db->removeValue(*d->key, name) || d->failFromDatabase();
}

bool TRegistry::BeginTransaction()
{
    if (!d->key || !d->writable)
        return d->fail(QStringLiteral("No key is open for writing."));
    return d->db->begin() || d->failFromDatabase();
}

bool TRegistry::CommitTransaction()
{
    return (d->db && d->db->commit()) ||
           (d->db ? d->failFromDatabase() : d->fail(QStringLiteral("No transaction is open.")));
}

void TRegistry::RollbackTransaction()
{
    if (d->db)
        d->db->rollback();
}

QString TRegistry::RootName(RegistryRoot root)
{
    return RegistryPlace::rootName(root);
}

RegistryRoot TRegistry::RootFromName(const QString &name)
{
    return RegistryPlace::rootFromName(name);
}

QString TRegistry::StoreFileName(RegistryRoot root)
{
    return RegistryPlace::databaseFile(root);
}

} // namespace corvanel
