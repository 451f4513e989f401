// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RegistryPlace.h"

#include <QDir>
#include <QStandardPaths>

namespace corvanel {

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

QString systemConfigDir()
{
    const QStringList dirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    return dirs.size() > 1 ? dirs.at(1) : QStringLiteral("/etc/xdg");
}

// The store's file name without its extension.
QString baseName(RegistryRoot root)
{
    if (root == RegistryRoot::NoRoot || root == RegistryRoot::PerformanceData ||
        root == RegistryRoot::DynData)
        return {};
    const QString name = RegistryPlace::rootName(root);
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
    return QDir(dir).absoluteFilePath(name);
}

} // namespace

QString RegistryPlace::rootName(RegistryRoot root)
{
    for (const RootNames &r : kRoots)
        if (r.root == root)
            return QString::fromLatin1(r.name);
    return {};
}

QString RegistryPlace::shortName(RegistryRoot root)
{
    for (const RootNames &r : kRoots)
        if (r.root == root)
            return QString::fromLatin1(r.shortName);
    return {};
}

RegistryRoot RegistryPlace::rootFromName(const QString &name)
{
    for (const RootNames &r : kRoots)
        if (name.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0 ||
            (*r.shortName && name.compare(QLatin1String(r.shortName), Qt::CaseInsensitive) == 0))
            return r.root;
    return RegistryRoot::NoRoot;
}

QString RegistryPlace::databaseFile(RegistryRoot root)
{
    const QString base = baseName(root);
    return base.isEmpty() ? base : base + QStringLiteral(".db");
}

QString RegistryPlace::legacyFile(RegistryRoot root)
{
    const QString base = baseName(root);
    return base.isEmpty() ? base : base + QStringLiteral(".reg");
}

RegistryDatabase::Kind RegistryPlace::kind(RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? RegistryDatabase::Kind::Private
                                             : RegistryDatabase::Kind::Shared;
}

std::unique_ptr<RegistryDatabase> RegistryPlace::open(RegistryRoot root, bool create,
                                                      QString *error)
{
    const QString file = databaseFile(root);
    if (file.isEmpty()) {
        *error = QStringLiteral("%1 has no store.").arg(rootName(root));
        return nullptr;
    }
    return RegistryDatabase::open(file, legacyFile(root), {rootName(root), shortName(root)},
                                  kind(root), create, error);
}

} // namespace corvanel
