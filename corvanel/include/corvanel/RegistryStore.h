// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/RegistryFormat.h>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvanel {

// The whole content of one store file as a tree of keys, indexed once when it
// is read: finding a key is one hash look-up per level, a value one more.
// Names are matched case-insensitively and keep the spelling they first came
// with; the roots' short names (HKCU, ...) in a file mean the full ones.
class CORVANEL_EXPORT RegistryStore
{
public:
    using KeyId = qsizetype;
    static constexpr KeyId kTop = 0; // above the roots; holds no values

    RegistryStore();

    void load(const QList<RegistryFileKey> &keys);
    // Every key that was named in the file, created or given values, in
    // sorted order, its values sorted too.
    QList<RegistryFileKey> keys() const;

    // The key at `segments` below `from`, or nullopt when a level is missing.
    std::optional<KeyId> find(KeyId from, const QStringList &segments) const;
    // Like find, creating the missing levels. With `allNamed` every level
    // created below a root is written as a key of its own; else only the
    // last one is, as a file names only its sections.
    KeyId create(KeyId from, const QStringList &segments, bool allNamed = true);
    void remove(KeyId key);

    QString name(KeyId key) const { return m_keys[key].name; }
    // The names of the levels from below the root down to `key`.
    QStringList pathBelowRoot(KeyId key) const;
    QStringList subkeyNames(KeyId key) const;
    QStringList valueNames(KeyId key) const;
    const RegistryValue *value(KeyId key, const QString &name) const;
    // The stored spelling of `name`, or `name` itself when there is none.
    QString storedValueName(KeyId key, const QString &name) const;
    void setValue(KeyId key, const QString &name, const RegistryValue &value);
    bool removeValue(KeyId key, const QString &name);

private:
    struct Key
    {
        QString name;
        KeyId parent = -1;
        bool named = false; // written as a section of its own
        bool removed = false;
        QHash<QString, KeyId> children; // by case-folded name
        QList<std::pair<QString, RegistryValue>> values;
        QHash<QString, qsizetype> valueIndex; // by case-folded name
    };

    KeyId child(KeyId parent, const QString &name) const;
    KeyId addChild(KeyId parent, const QString &name);
    QList<KeyId> sortedChildren(KeyId key) const;

    QList<Key> m_keys;
};

} // namespace corvanel
