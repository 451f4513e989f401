// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "StorageLink.h"

namespace corvanel {

StorageLink::StorageLink() : m_storage(std::make_unique<TJStorage>()) {}

StorageLink::~StorageLink() = default;

QString StorageLink::key() const
{
    return m_storage->Key();
}

void StorageLink::setKey(const QString &key)
{
    m_storage->SetKey(key);
}

TJStorage::TJStorageRootKey StorageLink::rootKey() const
{
    return m_storage->RegistryRootKey();
}

void StorageLink::setRootKey(TJStorage::TJStorageRootKey root)
{
    m_storage->SetRegistryRootKey(root);
}

} // namespace corvanel
