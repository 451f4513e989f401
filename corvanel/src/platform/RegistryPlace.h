// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "RegistryDatabase.h"

#include <corvanel/TRegistry.h>

#include <QString>
#include <memory>

namespace corvanel {

// Where each root's database lives and what it is called: HKEY_CURRENT_USER.db
// under $XDG_CONFIG_HOME/Corvanel/registry (private to the user), the other
// roots under the system configuration folder (readable by every user,
// written by root); CORVANEL_REGISTRY_DIR moves all of them.
// HKEY_PERFORMANCE_DATA and HKEY_DYN_DATA have none.
class RegistryPlace
{
public:
    // "HKEY_CURRENT_USER" and so on; empty for NoRoot.
    static QString rootName(RegistryRoot root);
    // "HKCU" and so on; empty where there is none.
    static QString shortName(RegistryRoot root);
    // The full names and the short ones, ignoring case; NoRoot otherwise.
    static RegistryRoot rootFromName(const QString &name);
    // The database of `root`, or empty when it has none.
    static QString databaseFile(RegistryRoot root);
    // The REGEDIT4 file that release 2 kept the root in.
    static QString legacyFile(RegistryRoot root);
    static RegistryDatabase::Kind kind(RegistryRoot root);
    static std::unique_ptr<RegistryDatabase> open(RegistryRoot root, bool create, QString *error);
};

} // namespace corvanel
