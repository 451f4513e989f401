// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "StoredList.h"

#include <corvanel/Jstore.h>
#include <corvanel/TRegistry.h>

#include <algorithm>

namespace corvanel::StoredList {

namespace {

// A damaged "Count" must not keep a load reading missing values for ever.
constexpr qint32 kMaxStoredEntries = 65536;

} // namespace

QStringList Read(TJStorage &storage)
{
    const qint32 count =
        std::min(storage.ReadInteger(QStringLiteral("Count"), 0), kMaxStoredEntries);
    QStringList entries;
    for (qint32 i = 0; i < count; ++i)
        entries << storage.ReadString(QString::number(i), QString());
    return entries;
}

bool Write(TJStorage &storage, const QStringList &entries)
{
    TJWin32Registry *connection = storage.Connection();
    TRegistry *registry = connection ? connection->RegistryObject() : nullptr;
    if (!registry) {
        // Only a closed storage has no registry: its write throws.
        storage.WriteInteger(QStringLiteral("Count"), qint32(entries.size()));
        return false;
    }
    // A key that could not be opened refuses the transaction as it would
    // refuse every write.
    if (!registry->BeginTransaction())
        return false;
    bool written = true;
    for (qsizetype i = 0; written && i < entries.size(); ++i)
        written = connection->WriteString(QString::number(i), entries[i]);
    written = written && connection->WriteInteger(QStringLiteral("Count"), qint32(entries.size()));
    if (!written) {
        registry->RollbackTransaction();
        return false;
    }
    return registry->CommitTransaction();
}

} // namespace corvanel::StoredList
