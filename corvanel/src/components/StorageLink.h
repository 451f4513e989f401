// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Jstore.h>

#include <QObject>
#include <QString>
#include <memory>

namespace corvanel {

// The storage a holder owns (the MRU list, the MRU combo box, the debug
// helper), and the holder's StorageKey and StorageRootKey properties, which
// are the storage's Key and RegistryRootKey: reading and setting them goes to
// the storage, and a change made on the storage directly is still announced
// by the holder's StorageKeyChanged and StorageRootKeyChanged.
class StorageLink
{
public:
    // A closed storage with an empty key, owned by the link, that asks
    // `holder` whether it is in a form designer.
    template <typename Holder> explicit StorageLink(Holder *holder) : StorageLink()
    {
        m_storage->SetOwnerComponent(holder);
        QObject::connect(m_storage.get(), &TJStorage::KeyChanged, holder,
                         &Holder::StorageKeyChanged);
        QObject::connect(m_storage.get(), &TJStorage::RegistryRootKeyChanged, holder,
                         &Holder::StorageRootKeyChanged);
    }
    ~StorageLink();
    StorageLink(const StorageLink &) = delete;
    StorageLink &operator=(const StorageLink &) = delete;

    TJStorage *get() const { return m_storage.get(); }
    TJStorage *operator->() const { return m_storage.get(); }
    TJStorage &operator*() const { return *m_storage; }

    QString key() const;
    void setKey(const QString &key);
    TJStorage::TJStorageRootKey rootKey() const;
    void setRootKey(TJStorage::TJStorageRootKey root);

private:
    StorageLink();

    std::unique_ptr<TJStorage> m_storage;
};

} // namespace corvanel
