// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

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
    QString file(const QString &root = QStringLiteral("HKEY_CURRENT_USER")) const
    {
        return QDir(m_dir.path()).filePath(root + QStringLiteral(".reg"));
    }
    QByteArray contents(const QString &root = QStringLiteral("HKEY_CURRENT_USER")) const
    {
        QFile f(file(root));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray &text,
               const QString &root = QStringLiteral("HKEY_CURRENT_USER")) const
    {
        QFile f(file(root));
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
