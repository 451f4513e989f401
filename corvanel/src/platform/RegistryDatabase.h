// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "RegistryFormat.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace corvanel {

// The registry of one root in one SQLite database.
//
// Keys form a tree in the table `keys` (the root itself is the row kRoot),
// values live in `vals`; names are unique per parent ignoring case (by their
// case-folded form) and keep the spelling they were created with. Names and
// text are stored as their UTF-16 code units, so that nothing a QString can
// hold is changed on the way. Key ids are never reused: a key deleted by
// another program is never mistaken for one created after it.
//
// Every write is one transaction of its own, committed before it returns,
// unless it runs inside begin()/commit(): then all of them are kept or none.
// A writer waits at most kBusyTimeoutMs for another one and then fails. The
// per-user kind runs in WAL mode (readers never wait, a commit costs an
// append); the machine-wide kind keeps SQLite's rollback journal, so that
// users who can only read its folder can still read it. Nothing here throws:
// a failure returns false or nullopt and lastError() says why.
class RegistryDatabase
{
public:
    using KeyId = qint64;
    static constexpr KeyId kRoot = 1;
    static constexpr int kBusyTimeoutMs = 3000;
    static constexpr qint64 kMaxImportSize = qint64(256) << 20;

    enum class Kind
    {
        Private, // the user's own: folder 0700, files 0600, WAL
        Shared,  // machine-wide: folder 0755, files 0644
    };

    // Opens `file`, creating it (and its folder) when `create` is set. A new
    // database takes over `legacyFile`, a REGEDIT4 store of release 2, in its
    // first transaction and renames it aside with the suffix ".imported".
    // The folder must belong to this user or root and be writable by nobody
    // else; the file is never opened through a symbolic link.
    // `rootNames` are the root's full name and its short one; keys of other
    // roots in an imported file are skipped.
    static std::unique_ptr<RegistryDatabase> open(const QString &file, const QString &legacyFile,
                                                  const QStringList &rootNames, Kind kind,
                                                  bool create, QString *error);
    // A database in memory, for tests and fuzzing.
    static std::unique_ptr<RegistryDatabase> openInMemory(const QStringList &rootNames);
    ~RegistryDatabase();
    RegistryDatabase(const RegistryDatabase &) = delete;
    RegistryDatabase &operator=(const RegistryDatabase &) = delete;

    QString fileName() const { return m_file; }
    QString rootName() const { return m_rootNames.value(0); }
    QString lastError() const { return m_error; }
    // What the carrying over of a 2.x store left out, one line each.
    QStringList importReport() const { return m_report; }

    // `stored`, when given, gets the stored spelling of each level.
    std::optional<KeyId> findKey(KeyId from, const QStringList &segments,
                                 QStringList *stored = nullptr);
    // Creates the missing levels.
    std::optional<KeyId> createKey(KeyId from, const QStringList &segments);
    bool keyExists(KeyId key);
    // The stored spelling of the levels below the root down to `key`.
    std::optional<QStringList> pathOf(KeyId key);
    std::optional<QStringList> subkeyNames(KeyId key);
    std::optional<QStringList> valueNames(KeyId key);
    // The value and its stored name.
    std::optional<std::pair<QString, RegistryValue>> value(KeyId key, const QString &name);
    bool setValue(KeyId key, const QString &name, const RegistryValue &value);
    bool removeValue(KeyId key, const QString &name);
    // Removes the key with all its subkeys and values; not the root.
    bool removeKey(KeyId key);

    // Takes the write lock; nested calls count.
    bool begin();
    bool commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }
    // The file could be opened for reading only.
    bool readOnly() const;
    // Makes every commit of this connection so far durable on disk.
    bool checkpoint();

    // Writes the keys of `keys` that belong to this root (their first level
    // is its name, long or short); the names of the others go to `skipped`.
    bool importKeys(const QList<RegistryFileKey> &keys, QStringList *skipped);
    // `key` and every key below it, depth first in name order, named by
    // their full path starting with `fullPath`.
    std::optional<QList<RegistryFileKey>> exportKeys(KeyId key, const QString &fullPath);

private:
    std::optional<QStringList> sortedNames(const char *sql, KeyId key);
    class Statement;

    RegistryDatabase(sqlite3 *db, const QString &file, const QStringList &rootNames);
    sqlite3_stmt *prepare(const char *sql);
    bool exec(const char *sql);
    bool failed(int code, const QString &what);
    bool fail(const QString &message);
    bool setUp(Kind kind, const QString &legacyFile);
    bool carryOver(const QString &legacyFile);
    template <typename Body> bool write(Body body);
    std::optional<std::pair<KeyId, QString>> child(KeyId parent, const QString &name);

    sqlite3 *m_db = nullptr;
    QString m_file;
    QStringList m_rootNames;
    QString m_error;
    QStringList m_report;
    int m_depth = 0;
    bool m_wrote = false;
    QHash<const char *, sqlite3_stmt *> m_statements;
};

} // namespace corvanel
