// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QString>

namespace corvanel {

// The writers' lock of one store: an exclusive kernel lock on
// "<resolved store>.lock", so that every path to the same file meets the same
// lock, and the lock dies with its process. Only writers take it; readers
// never wait, since a store is only ever replaced whole. A writer waits at
// most kTimeoutMs for another one and then gives up. A private lock file
// (mode 0600) keeps other users from holding a per-user store's lock.
class CORVANEL_EXPORT StoreLock
{
public:
    static constexpr int kTimeoutMs = 3000;

    StoreLock(const QString &resolvedStore, bool isPrivate);
    ~StoreLock();
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    bool isLocked() const { return m_fd >= 0; }
    // Why the lock could not be taken.
    QString error() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

} // namespace corvanel
