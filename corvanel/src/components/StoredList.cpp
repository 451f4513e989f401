// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "StoredList.h"

#include <corvanel/Jstore.h>

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

void Write(TJStorage &storage, const QStringList &entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        storage.WriteString(QString::number(i), entries[i]);
    storage.WriteInteger(QStringLiteral("Count"), qint32(entries.size()));
}

} // namespace corvanel::StoredList
