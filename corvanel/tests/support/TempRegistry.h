// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "RegistryDatabase.h"
#include "RegistryFormat.h"
#include "RegistryPlace.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// A registry store of the test's own: CORVANEL_REGISTRY_DIR points into a
// temporary folder for the lifetime of the object, then goes back to what it
// was. Create it before anything touches the store.
class TempRegistry
{
public:
    TempRegistry()
        : m_hadOld(qEnvironmentVariableIsSet("CORVANEL_REGISTRY_DIR")),
          m_old(qgetenv("CORVANEL_REGISTRY_DIR"))
    {
        qputenv("CORVANEL_REGISTRY_DIR", QFile::encodeName(m_dir.path()));
    }
    ~TempRegistry()
    {
        if (m_hadOld)
            qputenv("CORVANEL_REGISTRY_DIR", m_old);
        else
            qunsetenv("CORVANEL_REGISTRY_DIR");
    }
    TempRegistry(const TempRegistry &) = delete;
    TempRegistry &operator=(const TempRegistry &) = delete;

    QString path() const { return m_dir.path(); }
    // The root's database.
    QString file(const QString &root = QStringLiteral("HKEY_CURRENT_USER")) const
    {
        return QDir(m_dir.path()).filePath(root + QStringLiteral(".db"));
    }
    // The root's store file of release 2, carried over on first use.
    QString legacyFile(const QString &root = QStringLiteral("HKEY_CURRENT_USER")) const
    {
        return QDir(m_dir.path()).filePath(root + QStringLiteral(".reg"));
    }
    // What the root holds, as REGEDIT4 text (the root's own section only
    // when it has values); empty when there is no database.
    QByteArray contents(const QString &root = QStringLiteral("HKEY_CURRENT_USER")) const
    {
        const corvanel::RegistryRoot id = corvanel::RegistryPlace::rootFromName(root);
        if (!QFile::exists(corvanel::RegistryPlace::databaseFile(id)))
            return {};
        QString error;
        const auto db = corvanel::RegistryPlace::open(id, false, &error);
        if (!db)
            return error.toUtf8();
        auto keys =
            db->exportKeys(corvanel::RegistryDatabase::kRoot, corvanel::RegistryPlace::rootName(id))
                .value_or(QList<corvanel::RegistryFileKey>());
        if (!keys.isEmpty() && keys.first().values.isEmpty())
            keys.removeFirst();
        return corvanel::RegistryFormat::serialize(keys);
    }
    // Writes a store file of release 2.
    void write(const QByteArray &text,
               const QString &root = QStringLiteral("HKEY_CURRENT_USER")) const
    {
        QFile f(legacyFile(root));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(text);
    }
    // Points the store at a folder that cannot be created (its parent is a
    // plain file), which fails even for root, unlike a read-only folder.
    void makeUnwritable() const
    {
        const QString blocker = QDir(m_dir.path()).filePath(QStringLiteral("blocker"));
        QFile f(blocker);
        if (f.open(QIODevice::WriteOnly))
            f.write("not a folder");
        qputenv("CORVANEL_REGISTRY_DIR", QFile::encodeName(blocker + QStringLiteral("/registry")));
    }

private:
    QTemporaryDir m_dir;
    bool m_hadOld;
    QByteArray m_old;
};
