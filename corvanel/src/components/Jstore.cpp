// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Jstore.h>

#include <corvanel/Component.h>
#include <corvanel/Exception.h>

namespace corvanel {

TJWin32Registry::~TJWin32Registry()
{
    if (m_opened)
        Close();
}

void TJWin32Registry::Open(const TJStorage &storage)
{
    if (m_registry)
        return;
    if (storage.Key().isEmpty())
        throw Exception(QStringLiteral("Cannot open registry because TJStorage.Key is blank"));
    m_registry = std::make_unique<TRegistry>(TRegistry::Access::All);
    m_registry->SetRootKey(storage.RootKeyHandle());
    // A key that cannot be opened leaves the registry without a key: reads
    // then fail and writes do nothing, which is all the callers need.
    m_registry->OpenKey(storage.Key(), true);
    m_opened = true;
}

void TJWin32Registry::Close()
{
    if (m_registry) {
        m_registry->SetLazyWrite(false);
        m_registry->CloseKey();
        m_registry.reset();
    }
    m_opened = false;
}

bool TJWin32Registry::ReadString(const QString &name, QString &value) const
{
    return m_registry && m_registry->ValueExists(name) && m_registry->ReadString(name, value);
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
    return m_registry && m_registry->ReadInteger(name, value);
}

bool TJWin32Registry::WriteString(const QString &name, const QString &value)
{
    return m_registry && m_registry->WriteString(name, value);
}

bool TJWin32Registry::WriteBool(const QString &name, bool value)
{
    return WriteInteger(name, value ? 1 : 0);
}

bool TJWin32Registry::WriteInteger(const QString &name, qint32 value)
{
    return m_registry && m_registry->WriteInteger(name, value);
}

TJStorage::TJStorage(QObject *parent) : QObject(parent) {}

TJStorage::~TJStorage() = default;

bool TJStorage::inDesigner() const
{
    return m_owner && m_owner->isDesigning();
}

void TJStorage::SetKey(const QString &key)
{
    if (m_key == key)
        return;
    m_key = key;
    if (inDesigner() || !m_isOpen)
        return;
    Close();
    if (!m_key.isEmpty())
        Open();
}

void TJStorage::SetRegistryRootKey(TJStorageRootKey rootKey)
{
    if (m_rootKey == rootKey)
        return;
    m_rootKey = rootKey;
    if (inDesigner() || !m_isOpen)
        return;
    Close();
    Open();
}

RegistryRoot TJStorage::RootKeyHandle() const
{
    switch (m_rootKey) {
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
    const bool created = !m_connection;
    if (created)
        m_connection = std::make_unique<TJWin32Registry>();
    try {
        m_connection->Open(*this);
    } catch (...) {
        // A connection left behind would let later reads and writes pass
        // CheckOpen() on a storage that never opened.
        if (created)
            m_connection.reset();
        throw;
    }
    m_isOpen = true;
}

void TJStorage::Close()
{
    m_connection.reset();
    m_isOpen = false;
}

void TJStorage::CheckOpen() const
{
    if (!m_connection)
        throw Exception(QStringLiteral("JStorage not Open"));
}

void TJStorage::WriteString(const QString &name, const QString &value)
{
    CheckOpen();
    m_connection->WriteString(name, value);
}

void TJStorage::WriteInteger(const QString &name, qint32 value)
{
    CheckOpen();
    m_connection->WriteInteger(name, value);
}

void TJStorage::WriteBool(const QString &name, bool value)
{
    CheckOpen();
    m_connection->WriteBool(name, value);
}

QString TJStorage::ReadString(const QString &name, const QString &defaultValue)
{
    CheckOpen();
    QString value = defaultValue;
    m_connection->ReadString(name, value);
    return value;
}

qint32 TJStorage::ReadInteger(const QString &name, qint32 defaultValue)
{
    CheckOpen();
    qint32 value = defaultValue;
    m_connection->ReadInteger(name, value);
    return value;
}

bool TJStorage::ReadBool(const QString &name, bool defaultValue)
{
    CheckOpen();
    bool value = defaultValue;
    m_connection->ReadBool(name, value);
    return value;
}

void TJStorage::Assign(const QObject *source)
{
    const auto *other = qobject_cast<const TJStorage *>(source);
    if (!other) {
        const QString name =
            source ? QString::fromLatin1(source->metaObject()->className()) : QStringLiteral("nil");
        throw Exception(QStringLiteral("Cannot assign a %1 to a TJStorage").arg(name));
    }
    if (other == this)
        return; // closing first would lose our own open state
    Close();
    SetKey(other->Key());
    SetRegistryRootKey(other->RegistryRootKey());
    if (other->IsOpen())
        Open();
}

namespace Jstore {

void Register() {}

} // namespace Jstore

} // namespace corvanel
