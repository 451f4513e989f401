// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Jstore.h>

#include <corvanel/Component.h>
#include <corvanel/Exception.h>

#include <QCoreApplication>

namespace corvanel {

struct TJWin32Registry::Private
{
    bool opened = false;
    std::unique_ptr<TRegistry> registry;
};

TJWin32Registry::TJWin32Registry() : d(new Private) {}

TJWin32Registry::~TJWin32Registry()
{
    if (d->opened)
        Close();
}

bool TJWin32Registry::Opened() const
{
    return d->opened;
}

TRegistry *TJWin32Registry::RegistryObject() const
{
    return d->registry.get();
}

void TJWin32Registry::Open(const TJStorage &storage)
{
    if (d->registry)
        return;
    if (storage.Key().isEmpty())
        throw Exception(QCoreApplication::translate(
            "Corvanel", "Cannot open registry because TJStorage.Key is blank"));
    d->registry = std::make_unique<TRegistry>(TRegistry::Access::All);
    d->registry->SetRootKey(storage.RootKeyHandle());
    // A key that cannot be opened leaves the registry without a key: reads
    // then fail and writes do nothing, which is all the callers need.
    d->registry->OpenKey(storage.Key(), true);
    d->opened = true;
}

void TJWin32Registry::Close()
{
    if (d->registry) {
        d->registry->SetLazyWrite(false);
        d->registry->CloseKey();
        d->registry.reset();
    }
    d->opened = false;
}

bool TJWin32Registry::ReadString(const QString &name, QString &value) const
{
    return d->registry && d->registry->ValueExists(name) && d->registry->ReadString(name, value);
}

bool TJWin32Registry::ReadBool(const QString &name, bool &value) const
{
    qint32 number = 0;
    if (!ReadInteger(name, number))
        return false;
    value = number != 0;
    return true;
}

bool TJWin32Registry::ReadInteger(const QString &name, qint32 &value) const
{
    return d->registry && d->registry->ReadInteger(name, value);
}

bool TJWin32Registry::WriteString(const QString &name, const QString &value)
{
    return d->registry && d->registry->WriteString(name, value);
}

bool TJWin32Registry::WriteBool(const QString &name, bool value)
{
    return WriteInteger(name, value ? 1 : 0);
}

bool TJWin32Registry::WriteInteger(const QString &name, qint32 value)
{
    return d->registry && d->registry->WriteInteger(name, value);
}

struct TJStorage::Private
{
    QString key;
    TJStorageRootKey rootKey = atrkCurrentUser;
    std::unique_ptr<TJWin32Registry> connection;
    Component *owner = nullptr;
    bool isOpen = false;
};

TJStorage::TJStorage(QObject *parent) : QObject(parent), d(new Private) {}

TJStorage::~TJStorage() = default;

const QString &TJStorage::Key() const
{
    return d->key;
}

TJStorage::TJStorageRootKey TJStorage::RegistryRootKey() const
{
    return d->rootKey;
}

Component *TJStorage::OwnerComponent() const
{
    return d->owner;
}

void TJStorage::SetOwnerComponent(Component *owner)
{
    d->owner = owner;
}

TJWin32Registry *TJStorage::Connection() const
{
    return d->connection.get();
}

bool TJStorage::IsOpen() const
{
    return d->isOpen;
}

bool TJStorage::inDesigner() const
{
    return d->owner && d->owner->isDesigning();
}

void TJStorage::SetKey(const QString &key)
{
    if (d->key == key)
        return;
    d->key = key;
    emit KeyChanged(key);
    if (inDesigner() || !d->isOpen)
        return;
    Close();
    if (!d->key.isEmpty())
        Open();
}

void TJStorage::SetRegistryRootKey(TJStorageRootKey rootKey)
{
    if (d->rootKey == rootKey)
        return;
    d->rootKey = rootKey;
    emit RegistryRootKeyChanged(rootKey);
    if (inDesigner() || !d->isOpen)
        return;
    Close();
    Open();
}

RegistryRoot TJStorage::RootKeyHandle() const
{
    switch (d->rootKey) {
    case atrkClassesRoot:
        return RegistryRoot::ClassesRoot;
    case atrkLocalMachine:
        return RegistryRoot::LocalMachine;
    case atrkCurrentUser:
        return RegistryRoot::CurrentUser;
    case atrkUsers:
        return RegistryRoot::Users;
    case atrkCurrentConfig:
        return RegistryRoot::CurrentConfig;
    case atrkDynamicData:
        return RegistryRoot::DynData;
    }
    return RegistryRoot::NoRoot;
}

void TJStorage::Open()
{
    const bool created = !d->connection;
    if (created)
        d->connection = std::make_unique<TJWin32Registry>();
    try {
        d->connection->Open(*this);
    } catch (...) {
        // A connection left behind would let later reads and writes pass
        // CheckOpen() on a storage that never opened.
        if (created)
            d->connection.reset();
        throw;
    }
    d->isOpen = true;
}

void TJStorage::Close()
{
    d->connection.reset();
    d->isOpen = false;
}

void TJStorage::CheckOpen() const
{
    if (!d->connection)
        throw Exception(QCoreApplication::translate("Corvanel", "JStorage not Open"));
}

void TJStorage::WriteString(const QString &name, const QString &value)
{
    CheckOpen();
    d->connection->WriteString(name, value);
}

void TJStorage::WriteInteger(const QString &name, qint32 value)
{
    CheckOpen();
    d->connection->WriteInteger(name, value);
}

void TJStorage::WriteBool(const QString &name, bool value)
{
    CheckOpen();
    d->connection->WriteBool(name, value);
}

QString TJStorage::ReadString(const QString &name, const QString &defaultValue)
{
    CheckOpen();
    QString value = defaultValue;
    d->connection->ReadString(name, value);
    return value;
}

qint32 TJStorage::ReadInteger(const QString &name, qint32 defaultValue)
{
    CheckOpen();
    qint32 value = defaultValue;
    d->connection->ReadInteger(name, value);
    return value;
}

bool TJStorage::ReadBool(const QString &name, bool defaultValue)
{
    CheckOpen();
    bool value = defaultValue;
    d->connection->ReadBool(name, value);
    return value;
}

void TJStorage::Assign(const QObject *source)
{
    const auto *other = qobject_cast<const TJStorage *>(source);
    if (!other) {
        const QString name =
            source ? QString::fromLatin1(source->metaObject()->className()) : QStringLiteral("nil");
        throw Exception(
            QCoreApplication::translate("Corvanel", "Cannot assign a %1 to a TJStorage").arg(name));
    }
    // Closing comes first, also when the source is this storage itself: it
    // then stays closed, as its open state was read after the close.
    Close();
    SetKey(other->Key());
    SetRegistryRootKey(other->RegistryRootKey());
    if (other->IsOpen())
        Open();
}

} // namespace corvanel
