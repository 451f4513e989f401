// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/RegistryStore.h>

#include <corvanel/TRegistry.h>

#include <algorithm>

namespace corvanel {

namespace {

// "HKCU" and "hkey_current_user" in a file both mean HKEY_CURRENT_USER.
QString rootSpelling(const QString &name)
{
    const RegistryRoot root = TRegistry::RootFromName(name);
    return root == RegistryRoot::NoRoot ? name : TRegistry::RootName(root);
}

bool lessByName(const QString &a, const QString &b)
{
    return RegistryFormat::compareNames(a, b) < 0;
}

} // namespace

RegistryStore::RegistryStore()
{
    m_keys.append(Key{});
}

void RegistryStore::load(const QList<RegistryFileKey> &keys)
{
    m_keys.clear();
    m_keys.append(Key{});
    // Files list a key's subkeys right after it: a section below the one
    // before is created from there, so deep trees load in one pass.
    QStringList previous;
    KeyId previousKey = kTop;
    for (const RegistryFileKey &fileKey : keys) {
        QStringList segments = fileKey.path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        if (segments.isEmpty())
            continue;
        segments.first() = rootSpelling(segments.first());
        const bool below = !previous.isEmpty() && segments.size() > previous.size() &&
                           std::equal(previous.begin(), previous.end(), segments.begin(),
                                      [](const QString &x, const QString &y) {
                                          return x.compare(y, Qt::CaseInsensitive) == 0;
                                      });
        const KeyId key = below ? create(previousKey, segments.mid(previous.size()), false)
                                : create(kTop, segments, false);
        previous = segments;
        previousKey = key;
        m_keys[key].valueIndex.reserve(m_keys[key].values.size() + fileKey.values.size());
        for (const auto &[name, value] : fileKey.values)
            setValue(key, name, value);
    }
}

QList<RegistryFileKey> RegistryStore::keys() const
{
    QList<RegistryFileKey> out;
    // Depth first without recursion: keys may nest thousands of levels deep.
    QList<std::pair<KeyId, QString>> pending;
    const QList<KeyId> roots = sortedChildren(kTop);
    for (auto it = roots.rbegin(); it != roots.rend(); ++it)
        pending.append({*it, m_keys[*it].name});
    while (!pending.isEmpty()) {
        const auto [id, path] = pending.takeLast();
        const Key &key = m_keys[id];
        if (key.named || !key.values.isEmpty() || key.children.isEmpty()) {
            RegistryFileKey fileKey{path, key.values};
            std::sort(fileKey.values.begin(), fileKey.values.end(),
                      [](const auto &a, const auto &b) { return lessByName(a.first, b.first); });
            out.append(std::move(fileKey));
        }
        const QList<KeyId> children = sortedChildren(id);
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            pending.append({*it, path + QLatin1Char('\\') + m_keys[*it].name});
    }
    return out;
}

std::optional<RegistryStore::KeyId> RegistryStore::find(KeyId from,
                                                        const QStringList &segments) const
{
    KeyId key = from;
    for (const QString &segment : segments) {
        key = child(key, segment);
        if (key < 0)
            return std::nullopt;
    }
    return key;
}

RegistryStore::KeyId RegistryStore::create(KeyId from, const QStringList &segments, bool allNamed)
{
    KeyId key = from;
    for (const QString &segment : segments) {
        const KeyId next = child(key, segment);
        key = next < 0 ? addChild(key, segment) : next;
        if (next < 0 && allNamed && m_keys[key].parent != kTop)
            m_keys[key].named = true;
    }
    if (key != kTop)
        m_keys[key].named = true;
    return key;
}

void RegistryStore::remove(KeyId key)
{
    if (key == kTop || m_keys[key].removed)
        return;
    Key &parent = m_keys[m_keys[key].parent];
    parent.children.remove(m_keys[key].name.toCaseFolded());
    // The parent stays a key of its own even when this was its last subkey.
    parent.named = true;
    QList<KeyId> pending{key};
    while (!pending.isEmpty()) {
        Key &gone = m_keys[pending.takeLast()];
        gone.removed = true;
        pending.append(gone.children.values());
        gone.children.clear();
        gone.values.clear();
        gone.valueIndex.clear();
    }
}

QStringList RegistryStore::pathBelowRoot(KeyId key) const
{
    QStringList path;
    for (KeyId k = key; k != kTop && m_keys[k].parent != kTop; k = m_keys[k].parent)
        path.prepend(m_keys[k].name);
    return path;
}

QStringList RegistryStore::subkeyNames(KeyId key) const
{
    QStringList names;
    for (const KeyId id : sortedChildren(key))
        names.append(m_keys[id].name);
    return names;
}

QStringList RegistryStore::valueNames(KeyId key) const
{
    QStringList names;
    names.reserve(m_keys[key].values.size());
    for (const auto &entry : m_keys[key].values)
        names.append(entry.first);
    std::sort(names.begin(), names.end(), lessByName);
    return names;
}

const RegistryValue *RegistryStore::value(KeyId key, const QString &name) const
{
    const Key &k = m_keys[key];
    const auto it = k.valueIndex.constFind(name.toCaseFolded());
    return it == k.valueIndex.constEnd() ? nullptr : &k.values[*it].second;
}

QString RegistryStore::storedValueName(KeyId key, const QString &name) const
{
    const Key &k = m_keys[key];
    const auto it = k.valueIndex.constFind(name.toCaseFolded());
    return it == k.valueIndex.constEnd() ? name : k.values[*it].first;
}

void RegistryStore::setValue(KeyId key, const QString &name, const RegistryValue &value)
{
    Key &k = m_keys[key];
    const QString folded = name.toCaseFolded();
    if (const auto it = k.valueIndex.constFind(folded); it != k.valueIndex.constEnd()) {
        k.values[*it].second = value;
        return;
    }
    k.valueIndex.insert(folded, k.values.size());
    k.values.append({name, value});
}

bool RegistryStore::removeValue(KeyId key, const QString &name)
{
    Key &k = m_keys[key];
    const auto it = k.valueIndex.find(name.toCaseFolded());
    if (it == k.valueIndex.end())
        return false;
    // The last value takes the place of the removed one: values are sorted
    // only when they are written out.
    const qsizetype slot = *it;
    k.valueIndex.erase(it);
    if (slot != k.values.size() - 1) {
        k.values[slot] = std::move(k.values.last());
        k.valueIndex[k.values[slot].first.toCaseFolded()] = slot;
    }
    k.values.removeLast();
    k.named = true;
    return true;
}

RegistryStore::KeyId RegistryStore::child(KeyId parent, const QString &name) const
{
    return m_keys[parent].children.value(name.toCaseFolded(), -1);
}

RegistryStore::KeyId RegistryStore::addChild(KeyId parent, const QString &name)
{
    const KeyId id = m_keys.size();
    Key key;
    key.name = name;
    key.parent = parent;
    m_keys.append(std::move(key));
    m_keys[parent].children.insert(name.toCaseFolded(), id);
    return id;
}

QList<RegistryStore::KeyId> RegistryStore::sortedChildren(KeyId key) const
{
    QList<KeyId> ids = m_keys[key].children.values();
    std::sort(ids.begin(), ids.end(),
              [this](KeyId a, KeyId b) { return lessByName(m_keys[a].name, m_keys[b].name); });
    return ids;
}

} // namespace corvanel
