// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RegistryDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanel {

// Why a store could not be opened or written, and what a carried-over 2.x
// store left out.
Q_LOGGING_CATEGORY(lcRegistryDatabase, "corvanel.registry.database", QtWarningMsg)

namespace {

const char kSchema[] = R"(
CREATE TABLE keys(id INTEGER PRIMARY KEY AUTOINCREMENT, parent INTEGER,
                  name BLOB NOT NULL, folded BLOB NOT NULL);
CREATE UNIQUE INDEX keys_by_parent ON keys(parent, folded);
CREATE TABLE vals(key INTEGER NOT NULL, folded BLOB NOT NULL, name BLOB NOT NULL,
                  type INTEGER NOT NULL, data, PRIMARY KEY(key, folded)) WITHOUT ROWID;
INSERT INTO keys(id, parent, name, folded) VALUES(1, NULL, x'', x'');
PRAGMA user_version = 1;
)";

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool lessByName(const QString &a, const QString &b)
{
    return RegistryFormat::compareNames(a, b) < 0;
}

// Creates `dir` and the missing folders above it with `mode`.
bool makeFolders(const QByteArray &dir, mode_t mode)
{
    for (qsizetype slash = dir.indexOf('/', 1);; slash = dir.indexOf('/', slash + 1)) {
        const QByteArray level = slash < 0 ? dir : dir.left(slash);
        if (::mkdir(level.constData(), mode) != 0 && errno != EEXIST)
            return false;
        if (slash < 0)
            return true;
    }
}

// The folder of a store: created when asked, a folder, owned by this user or
// root and writable by nobody else. A private folder is made 0700.
QString checkFolder(const QString &folder, RegistryDatabase::Kind kind, bool create)
{
    const QByteArray path = QFile::encodeName(folder);
    const bool isPrivate = kind == RegistryDatabase::Kind::Private;
    struct stat st
    {
    };
    if (::stat(path.constData(), &st) != 0) {
        if (!create)
            return QStringLiteral("The store folder %1 does not exist.").arg(folder);
        if (!makeFolders(path, isPrivate ? 0700 : 0755) || ::stat(path.constData(), &st) != 0)
            return QStringLiteral("Cannot write to the store folder %1: %2.")
                .arg(folder, systemError(errno));
    }
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("The store folder %1 is not a folder.").arg(folder);
    if (st.st_uid != ::geteuid() && st.st_uid != 0)
        return QStringLiteral(
                   "The store folder %1 belongs to another user; no store is kept there.")
            .arg(folder);
    if (st.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("The store folder %1 can be written by other users; no store is "
                              "kept there.")
            .arg(folder);
    if (isPrivate && st.st_uid == ::geteuid() && (st.st_mode & 077))
        ::chmod(path.constData(), 0700);
    return {};
}

// A new, empty database file of its kind's mode; SQLite gives its journal
// files the same mode.
QString createFile(const QString &file, RegistryDatabase::Kind kind)
{
    const mode_t mode = kind == RegistryDatabase::Kind::Private ? 0600 : 0644;
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return errno == EEXIST
                   ? QString()
                   : QStringLiteral("Cannot create %1: %2.").arg(file, systemError(errno));
    ::fchmod(fd, mode);
    ::close(fd);
    return {};
}

QByteArray utf16Bytes(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

QString fromUtf16Bytes(const void *data, int bytes)
{
    QString text(bytes / 2, Qt::Uninitialized);
    if (bytes >= 2)
        std::memcpy(text.data(), data, size_t(bytes / 2) * 2);
    return text;
}

} // namespace

// One use of a prepared statement: binds in order, steps, and is reset for
// the next use when it goes.
class RegistryDatabase::Statement
{
public:
    Statement(RegistryDatabase &db, const char *sql) : m_db(db), m_stmt(db.prepare(sql)) {}
    ~Statement()
    {
        if (m_stmt) {
            sqlite3_reset(m_stmt);
            sqlite3_clear_bindings(m_stmt);
        }
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool ok() const { return m_stmt != nullptr; }
    Statement &bind(qint64 number)
    {
        if (m_stmt)
            sqlite3_bind_int64(m_stmt, ++m_index, number);
        return *this;
    }
    Statement &bind(const QString &text) { return bindBytes(utf16Bytes(text)); }
    Statement &bindBytes(const QByteArray &bytes)
    {
        if (m_stmt)
            sqlite3_bind_blob64(m_stmt, ++m_index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                SQLITE_TRANSIENT);
        return *this;
    }
    Statement &bind(const RegistryValue &value)
    {
        bind(qint64(value.type));
        if (value.isText())
            return bind(value.text);
        if (value.type == RegistryValue::TypeDWord)
            return bind(qint64(value.dword));
        return bindBytes(value.data);
    }

    // True for a row; false at the end and on an error (see failed()).
    bool next()
    {
        if (!m_stmt)
            return false;
        m_result = sqlite3_step(m_stmt);
        return m_result == SQLITE_ROW;
    }
    // Runs a statement that returns no rows.
    bool run()
    {
        next();
        return m_result == SQLITE_DONE || m_db.failed(m_result, QString());
    }
    bool failed() const { return m_result != SQLITE_ROW && m_result != SQLITE_DONE; }
    int result() const { return m_result; }

    qint64 integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    QString text(int column) const
    {
        return fromUtf16Bytes(sqlite3_column_blob(m_stmt, column),
                              sqlite3_column_bytes(m_stmt, column));
    }
    RegistryValue value(int typeColumn, int dataColumn) const
    {
        const auto type = quint32(integer(typeColumn));
        if (type == RegistryValue::TypeString)
            return RegistryValue::fromString(text(dataColumn));
        if (type == RegistryValue::TypeExpandString)
            return RegistryValue::fromExpandString(text(dataColumn));
        if (type == RegistryValue::TypeDWord)
            return RegistryValue::fromDWord(quint32(integer(dataColumn)));
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, dataColumn));
        return RegistryValue::fromBytes(type,
                                        QByteArray(data, sqlite3_column_bytes(m_stmt, dataColumn)));
    }

private:
    RegistryDatabase &m_db;
    sqlite3_stmt *m_stmt;
    int m_index = 0;
    int m_result = SQLITE_DONE;
};

RegistryDatabase::RegistryDatabase(sqlite3 *db, const QString &file, const QStringList &rootNames)
    : m_db(db), m_file(file), m_rootNames(rootNames)
{
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
}

RegistryDatabase::~RegistryDatabase()
{
    while (m_depth > 0)
        rollback();
    if (m_wrote)
        checkpoint();
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    sqlite3_close_v2(m_db);
}

std::unique_ptr<RegistryDatabase> RegistryDatabase::open(const QString &file,
                                                         const QString &legacyFile,
                                                         const QStringList &rootNames, Kind kind,
                                                         bool create, QString *error)
{
    const auto refuse = [error](const QString &message) {
        *error = message;
        qCDebug(lcRegistryDatabase).noquote() << message;
        return nullptr;
    };
    // The first use of any kind carries a 2.x store over.
    const bool exists = QFileInfo::exists(file) || QFileInfo(file).isSymLink();
    create = create || (!exists && QFileInfo(legacyFile).isFile());
    if (!exists && !create)
        return refuse(QStringLiteral("The store %1 does not exist.").arg(file));
    if (QString problem = checkFolder(QFileInfo(file).absolutePath(), kind, create);
        !problem.isEmpty())
        return refuse(problem);
    // SQLite opens no path that holds a link; a link to the folder is fine
    // (the folder it leads to was checked), one in the file's place is not.
    const QString canonical = QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath();
    if (canonical.isEmpty())
        return refuse(QStringLiteral("The store folder of %1 cannot be found.").arg(file));
    const QString resolved = canonical + QLatin1Char('/') + QFileInfo(file).fileName();
    struct stat st
    {
    };
    if (::lstat(QFile::encodeName(resolved).constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode))
            return refuse(QStringLiteral("The store %1 is a symbolic link; it is not opened "
                                         "through it.")
                              .arg(resolved));
        if (!S_ISREG(st.st_mode))
            return refuse(QStringLiteral("The store %1 is not a regular file.").arg(resolved));
    } else if (QString problem = createFile(resolved, kind); !problem.isEmpty()) {
        return refuse(problem);
    }
    sqlite3 *db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_EXRESCODE;
    const int result =
        sqlite3_open_v2(QFile::encodeName(resolved).constData(), &db, flags, nullptr);
    std::unique_ptr<RegistryDatabase> database(new RegistryDatabase(db, resolved, rootNames));
    if (result != SQLITE_OK) {
        database->failed(result, QString());
        return refuse(database->lastError());
    }
    if (!database->setUp(kind, legacyFile))
        return refuse(database->lastError());
    return database;
}

std::unique_ptr<RegistryDatabase> RegistryDatabase::openInMemory(const QStringList &rootNames)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<RegistryDatabase> database(
        new RegistryDatabase(db, QStringLiteral(":memory:"), rootNames));
    if (!database->setUp(Kind::Shared, QString()))
        return nullptr;
    return database;
}

// Creates the tables in a new database, carrying a 2.x store over in the same
// transaction: either both are there afterwards or neither.
bool RegistryDatabase::setUp(Kind kind, const QString &legacyFile)
{
    const auto version = [this]() -> std::optional<qint64> {
        Statement query(*this, "PRAGMA user_version");
        if (query.next())
            return query.integer(0);
        failed(query.result(), QString());
        return std::nullopt;
    };
    std::optional<qint64> current = version();
    if (!current)
        return false;
    if (*current > 0)
        return kind == Kind::Shared || exec("PRAGMA synchronous = NORMAL");
    if (!exec("BEGIN IMMEDIATE"))
        return false;
    ++m_depth;
    current = version();
    bool carried = false;
    if (current && *current == 0) {
        if (!exec(kSchema) || !(carried = carryOver(legacyFile))) {
            rollback();
            return false;
        }
    }
    const QString aside = legacyFile + QStringLiteral(".imported");
    if (!current || !commit()) {
        if (carried && QFileInfo::exists(aside))
            ::rename(QFile::encodeName(aside).constData(),
                     QFile::encodeName(legacyFile).constData());
        return false;
    }
    // WAL lets readers go on while one writer commits; it stays with the file.
    // A store left in rollback mode (another program was switching it at the
    // same moment) is just as sound, only slower.
    if (kind == Kind::Private && exec("PRAGMA journal_mode = WAL"))
        return exec("PRAGMA synchronous = NORMAL");
    return true;
}

// Imports `legacyFile` and renames it aside; a missing file is no error, and
// neither is one that cannot be read: it stays where it is, and why is said.
bool RegistryDatabase::carryOver(const QString &legacyFile)
{
    if (legacyFile.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(legacyFile);
    struct stat st
    {
    };
    if (::lstat(path.constData(), &st) != 0)
        return true;
    const auto leave = [&](const QString &why) {
        m_report << why;
        qCWarning(lcRegistryDatabase).noquote() << why;
        return true;
    };
    if (!S_ISREG(st.st_mode))
        return leave(
            QStringLiteral("%1 is not a regular file and was not carried over.").arg(legacyFile));
    if (st.st_size > kMaxImportSize)
        return leave(
            QStringLiteral("%1 is larger than 256 MiB and was not carried over.").arg(legacyFile));
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return leave(QStringLiteral("%1 cannot be read and was not carried over.").arg(legacyFile));
    }
    const QByteArray bytes = file.read(kMaxImportSize + 1);
    QStringList errors, comments, skipped;
    const QList<RegistryFileKey> keys = RegistryFormat::parse(bytes, &errors, &comments);
    if (!importKeys(keys, &skipped))
        return false;
    const QString aside = legacyFile + QStringLiteral(".imported");
    if (::rename(path.constData(), QFile::encodeName(aside).constData()) != 0)
        return fail(
            QStringLiteral("Cannot rename %1 aside: %2.").arg(legacyFile, systemError(errno)));
    if (!bytes.isEmpty())
        ::chmod(QFile::encodeName(aside).constData(), st.st_mode & 0700);
    for (const QString &line : std::as_const(comments))
        m_report << QStringLiteral("%1, %2 (a comment, not carried over)").arg(aside, line);
    for (const QString &line : std::as_const(errors))
        m_report << QStringLiteral("%1, %2 (not carried over)").arg(aside, line);
    for (const QString &key : std::as_const(skipped))
        m_report << QStringLiteral("%1: the key %2 belongs to another root (not carried over)")
                        .arg(aside, key);
    if (!m_report.isEmpty())
        qCWarning(lcRegistryDatabase).noquote()
            << QStringLiteral("The 2.x store %1 was carried over into %2 and kept as %3; %4 of "
                              "its lines were not:")
                   .arg(legacyFile, m_file, aside)
                   .arg(m_report.size())
            << m_report.join(QLatin1Char('\n'));
    return true;
}

sqlite3_stmt *RegistryDatabase::prepare(const char *sql)
{
    if (sqlite3_stmt *statement = m_statements.value(sql))
        return statement;
    sqlite3_stmt *statement = nullptr;
    const int result =
        sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (result != SQLITE_OK) {
        failed(result, QString());
        return nullptr;
    }
    m_statements.insert(sql, statement);
    return statement;
}

bool RegistryDatabase::exec(const char *sql)
{
    const int result = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    return result == SQLITE_OK || failed(result, QString());
}

bool RegistryDatabase::fail(const QString &message)
{
    m_error = message;
    qCDebug(lcRegistryDatabase).noquote() << message;
    return false;
}

// Turns SQLite's result into a message that names the store and the cause.
bool RegistryDatabase::failed(int code, const QString &what)
{
    const QString detail =
        what.isEmpty() ? QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code))
                       : what;
    const int system = m_db ? sqlite3_system_errno(m_db) : 0;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fail(QStringLiteral("The store %1 is being changed by another program; gave up "
                                   "after %2 seconds.")
                        .arg(m_file)
                        .arg(kBusyTimeoutMs / 1000));
    case SQLITE_FULL:
        return fail(QStringLiteral("The disk that holds %1 is full.").arg(m_file));
    case SQLITE_READONLY:
        return fail(QStringLiteral("The store %1 cannot be written.").arg(m_file));
    case SQLITE_CANTOPEN:
        if (code == SQLITE_CANTOPEN_SYMLINK)
            return fail(QStringLiteral("The store %1 is a symbolic link; it is not opened "
                                       "through it.")
                            .arg(m_file));
        return fail(QStringLiteral("Cannot open the store %1: %2.")
                        .arg(m_file, system ? systemError(system) : detail));
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return fail(QStringLiteral("The store %1 is damaged or no store: %2.").arg(m_file, detail));
    case SQLITE_IOERR:
        return fail(QStringLiteral("Cannot write the store %1: %2.")
                        .arg(m_file, system ? systemError(system) : detail));
    default:
        return fail(QStringLiteral("The store %1: %2.").arg(m_file, detail));
    }
}

bool RegistryDatabase::begin()
{
    if (!exec(m_depth == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT w"))
        return false;
    ++m_depth;
    return true;
}

bool RegistryDatabase::commit()
{
    if (m_depth == 0)
        return fail(QStringLiteral("No transaction is open."));
    if (m_depth > 1) {
        --m_depth;
        return exec("RELEASE w");
    }
    if (!exec("COMMIT")) {
        const QString error = m_error;
        rollback();
        m_error = error;
        return false;
    }
    m_depth = 0;
    m_wrote = true;
    return true;
}

void RegistryDatabase::rollback()
{
    if (m_depth == 0)
        return;
    const QString error = m_error;
    if (--m_depth > 0)
        exec("ROLLBACK TO w; RELEASE w");
    else if (sqlite3_get_autocommit(m_db) == 0)
        exec("ROLLBACK");
    m_error = error;
}

bool RegistryDatabase::readOnly() const
{
    return sqlite3_db_readonly(m_db, "main") == 1;
}

bool RegistryDatabase::checkpoint()
{
    if (m_depth > 0)
        return fail(QStringLiteral("A transaction is still open."));
    if (!m_wrote)
        return true;
    const int result =
        sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    // A database in rollback mode has nothing to checkpoint: its commits are
    // on disk when they return.
    return result == SQLITE_OK || result == SQLITE_BUSY || failed(result, QString());
}

// Runs `body` as one transaction, or as a part of the open one.
template <typename Body> bool RegistryDatabase::write(Body body)
{
    if (!begin())
        return false;
    if (!body()) {
        rollback();
        return false;
    }
    return commit();
}

std::optional<std::pair<RegistryDatabase::KeyId, QString>>
RegistryDatabase::child(KeyId parent, const QString &name)
{
    Statement query(*this, "SELECT id, name FROM keys WHERE parent = ? AND folded = ?");
    query.bind(parent).bind(name.toCaseFolded());
    if (query.next())
        return std::pair(query.integer(0), query.text(1));
    if (query.failed())
        failed(query.result(), QString());
    return std::nullopt;
}

std::optional<RegistryDatabase::KeyId>
RegistryDatabase::findKey(KeyId from, const QStringList &segments, QStringList *stored)
{
    KeyId key = from;
    if (segments.isEmpty() && !keyExists(key))
        return std::nullopt;
    for (const QString &segment : segments) {
        const auto found = child(key, segment);
        if (!found)
            return std::nullopt;
        key = found->first;
        if (stored)
            stored->append(found->second);
    }
    return key;
}

std::optional<RegistryDatabase::KeyId> RegistryDatabase::createKey(KeyId from,
                                                                   const QStringList &segments)
{
    KeyId key = from;
    const bool ok = write([&] {
        if (!keyExists(key))
            return fail(QStringLiteral("The key was deleted by another program."));
        for (const QString &segment : segments) {
            if (const auto found = child(key, segment)) {
                key = found->first;
                continue;
            }
            Statement insert(*this, "INSERT INTO keys(parent, name, folded) VALUES(?, ?, ?)");
            if (!insert.bind(key).bind(segment).bind(segment.toCaseFolded()).run())
                return false;
            key = sqlite3_last_insert_rowid(m_db);
        }
        return true;
    });
    return ok ? std::optional(key) : std::nullopt;
}

bool RegistryDatabase::keyExists(KeyId key)
{
    Statement query(*this, "SELECT 1 FROM keys WHERE id = ?");
    query.bind(key);
    if (query.next())
        return true;
    return query.failed() ? failed(query.result(), QString())
                          : fail(QStringLiteral("The key does not exist."));
}

std::optional<QStringList> RegistryDatabase::pathOf(KeyId key)
{
    QStringList path;
    for (KeyId k = key; k != kRoot;) {
        Statement query(*this, "SELECT parent, name FROM keys WHERE id = ?");
        query.bind(k);
        if (!query.next())
            return std::nullopt;
        path.prepend(query.text(1));
        k = query.integer(0);
    }
    return path;
}

std::optional<QStringList> RegistryDatabase::subkeyNames(KeyId key)
{
    return sortedNames("SELECT name FROM keys WHERE parent = ?", key);
}

std::optional<QStringList> RegistryDatabase::valueNames(KeyId key)
{
    return sortedNames("SELECT name FROM vals WHERE key = ?", key);
}

// The names a one-column query gives for `key`, in the store's name order.
std::optional<QStringList> RegistryDatabase::sortedNames(const char *sql, KeyId key)
{
    Statement query(*this, sql);
    query.bind(key);
    QStringList names;
    while (query.next())
        names << query.text(0);
    if (query.failed() && !failed(query.result(), QString()))
        return std::nullopt;
    std::sort(names.begin(), names.end(), lessByName);
    return names;
}

std::optional<std::pair<QString, RegistryValue>> RegistryDatabase::value(KeyId key,
                                                                         const QString &name)
{
    Statement query(*this, "SELECT name, type, data FROM vals WHERE key = ? AND folded = ?");
    query.bind(key).bind(name.toCaseFolded());
    if (query.next())
        return std::pair(query.text(0), query.value(1, 2));
    if (query.failed())
        failed(query.result(), QString());
    else
        fail(QStringLiteral("The value \"%1\" does not exist.").arg(name));
    return std::nullopt;
}

bool RegistryDatabase::setValue(KeyId key, const QString &name, const RegistryValue &value)
{
    // An unchanged value costs a read, not a write.
    if (const auto stored = this->value(key, name); stored && stored->second == value)
        return true;
    return write([&] {
        if (!keyExists(key))
            return fail(QStringLiteral("The key was deleted by another program."));
        Statement upsert(*this, "INSERT INTO vals(key, folded, name, type, data) "
                                "VALUES(?, ?, ?, ?, ?) ON CONFLICT(key, folded) DO UPDATE "
                                "SET type = excluded.type, data = excluded.data");
        return upsert.bind(key).bind(name.toCaseFolded()).bind(name).bind(value).run();
    });
}

bool RegistryDatabase::removeValue(KeyId key, const QString &name)
{
    return write([&] {
        Statement remove(*this, "DELETE FROM vals WHERE key = ? AND folded = ?");
        if (!remove.bind(key).bind(name.toCaseFolded()).run())
            return false;
        return sqlite3_changes(m_db) > 0 ||
               fail(QStringLiteral("The value \"%1\" does not exist.").arg(name));
    });
}

bool RegistryDatabase::removeKey(KeyId key)
{
    if (key == kRoot)
        return fail(QStringLiteral("A root key cannot be deleted."));
    return write([&] {
        if (!keyExists(key))
            return false;
        Statement values(*this, "WITH RECURSIVE sub(id) AS (SELECT ? UNION ALL SELECT keys.id "
                                "FROM keys JOIN sub ON keys.parent = sub.id) "
                                "DELETE FROM vals WHERE key IN sub");
        Statement keys(*this, "WITH RECURSIVE sub(id) AS (SELECT ? UNION ALL SELECT keys.id "
                              "FROM keys JOIN sub ON keys.parent = sub.id) "
                              "DELETE FROM keys WHERE id IN sub");
        return values.bind(key).run() && keys.bind(key).run();
    });
}

bool RegistryDatabase::importKeys(const QList<RegistryFileKey> &keys, QStringList *skipped)
{
    return write([&] {
        for (const RegistryFileKey &fileKey : keys) {
            const QStringList segments = fileKey.path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
            const bool ours =
                !segments.isEmpty() &&
                std::any_of(m_rootNames.begin(), m_rootNames.end(), [&](const QString &n) {
                    return !n.isEmpty() && n.compare(segments.first(), Qt::CaseInsensitive) == 0;
                });
            if (!ours) {
                if (skipped)
                    skipped->append(fileKey.path);
                continue;
            }
            const std::optional<KeyId> key = createKey(kRoot, segments.mid(1));
            if (!key)
                return false;
            for (const auto &[name, value] : fileKey.values)
                if (!setValue(*key, name, value))
                    return false;
        }
        return true;
    });
}

std::optional<QList<RegistryFileKey>> RegistryDatabase::exportKeys(KeyId key,
                                                                   const QString &fullPath)
{
    QList<RegistryFileKey> out;
    // Depth first without recursion: keys may nest thousands of levels deep.
    QList<std::pair<KeyId, QString>> pending{{key, fullPath}};
    while (!pending.isEmpty()) {
        const auto [id, path] = pending.takeLast();
        RegistryFileKey fileKey{path, {}};
        Statement values(*this, "SELECT name, type, data FROM vals WHERE key = ?");
        values.bind(id);
        while (values.next())
            fileKey.values.append({values.text(0), values.value(1, 2)});
        if (values.failed() && !failed(values.result(), QString()))
            return std::nullopt;
        std::sort(fileKey.values.begin(), fileKey.values.end(),
                  [](const auto &a, const auto &b) { return lessByName(a.first, b.first); });
        out.append(std::move(fileKey));
        Statement children(*this, "SELECT id, name FROM keys WHERE parent = ?");
        children.bind(id);
        QList<std::pair<KeyId, QString>> below;
        while (children.next())
            below.append({children.integer(0), children.text(1)});
        if (children.failed() && !failed(children.result(), QString()))
            return std::nullopt;
        std::sort(below.begin(), below.end(),
                  [](const auto &a, const auto &b) { return lessByName(a.second, b.second); });
        for (auto it = below.rbegin(); it != below.rend(); ++it)
            pending.append({it->first, path + QLatin1Char('\\') + it->second});
    }
    return out;
}

} // namespace corvanel
