// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Jstore.h>

namespace corvanel {

// A holder's use of its storage for the length of a scope: open() opens it,
// and leaving the scope closes it again only when it was closed as the scope
// began, so a storage its caller had open stays open. When open() throws (a
// blank key), nothing is closed on leaving.
//
//   StorageScope scope(storage);
//   scope.open();
//   ... reads and writes, which may throw ...
class StorageScope
{
public:
    // Remembers whether `storage` is open now; opens nothing yet.
    explicit StorageScope(TJStorage &storage) : m_storage(storage), m_wasOpen(storage.IsOpen()) {}
    ~StorageScope()
    {
        if (m_opened && !m_wasOpen)
            m_storage.Close();
    }
    StorageScope(const StorageScope &) = delete;
    StorageScope &operator=(const StorageScope &) = delete;

    // Opens the storage (again, when it is open); throws as TJStorage::Open().
    void open()
    {
        m_storage.Open();
        m_opened = true;
    }

private:
    TJStorage &m_storage;
    const bool m_wasOpen;
    bool m_opened = false;
};

} // namespace corvanel
