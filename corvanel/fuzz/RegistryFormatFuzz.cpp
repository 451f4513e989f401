// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The import reader on any bytes, with a round trip through the store as its
// oracle: what a file imports as must export as a file that reads without
// errors and imports as the same keys and values.
#include "RegistryDatabase.h"
#include "RegistryFormat.h"
#include "RegistryPlace.h"

#include <cstdio>
#include <cstdlib>

using corvanel::RegistryDatabase;
using corvanel::RegistryFileKey;
using corvanel::RegistryFormat;
using corvanel::RegistryPlace;
using corvanel::RegistryRoot;

namespace {

// Imports the keys into a store of their root each (in memory) and exports
// every store again, in the order of the roots.
QList<RegistryFileKey> throughStore(const QList<RegistryFileKey> &keys)
{
    QList<RegistryFileKey> out;
    for (const RegistryRoot root :
         {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine,
          RegistryRoot::Users, RegistryRoot::CurrentConfig}) {
        const QString name = RegistryPlace::rootName(root);
        const auto db = RegistryDatabase::openInMemory({name, RegistryPlace::shortName(root)});
        if (!db || !db->importKeys(keys, nullptr))
            std::abort();
        out += db->exportKeys(RegistryDatabase::kRoot, name).value_or(QList<RegistryFileKey>());
    }
    return out;
}

bool same(const QList<RegistryFileKey> &a, const QList<RegistryFileKey> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].path != b[i].path || a[i].values != b[i].values)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    // Store files are read up to 256 MiB; a few hundred KiB finds the same faults.
    if (size > 256 * 1024)
        return 0;
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<RegistryFileKey> first = throughStore(RegistryFormat::parse(file));
    const QByteArray written = RegistryFormat::serialize(first);
    QStringList errors;
    const QList<RegistryFileKey> second = throughStore(RegistryFormat::parse(written, &errors));
    if (!errors.isEmpty() || !same(first, second)) {
        std::fprintf(stderr, "round trip changed the store:\n%s\n", written.constData());
        std::abort();
    }
    return 0;
}
