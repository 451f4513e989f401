// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Random sequences of store operations on two registries at once (open,
// write, read, delete a value or a key, close, reopen) against a plain model
// in memory; any difference aborts. Each input runs in a store of its own.
#include <corvanel/TRegistry.h>

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

using corvanel::TRegistry;

namespace {

const QString kKeys[] = {QStringLiteral("Software\\A"), QStringLiteral("software\\a\\B"),
                         QStringLiteral("Software\\C")};
const QString kNames[] = {QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("y"),
                          QStringLiteral("0"), QString()};

struct ModelValue
{
    bool isText = false;
    QString text;
    qint32 number = 0;
};

struct ModelKey
{
    quint64 generation = 0;            // a key created anew is another key
    QHash<QString, ModelValue> values; // by case-folded name
};

// What the store must hold: keys by their case-folded path.
class Model
{
public:
    quint64 create(const QString &path)
    {
        const QStringList levels = path.toCaseFolded().split(QLatin1Char('\\'));
        QString prefix;
        for (const QString &level : levels) {
            prefix += (prefix.isEmpty() ? QString() : QStringLiteral("\\")) + level;
            if (!m_keys.contains(prefix))
                m_keys[prefix].generation = ++m_generations;
        }
        return m_keys[prefix].generation;
    }
    ModelKey *find(const QString &path, quint64 generation)
    {
        const auto it = m_keys.find(path.toCaseFolded());
        return it != m_keys.end() && it->second.generation == generation ? &it->second : nullptr;
    }
    bool remove(const QString &path)
    {
        const QString folded = path.toCaseFolded();
        bool found = false;
        for (auto it = m_keys.begin(); it != m_keys.end();) {
            if (it->first == folded || it->first.startsWith(folded + QLatin1Char('\\'))) {
                it = m_keys.erase(it);
                found = true;
            } else {
                ++it;
            }
        }
        return found;
    }

private:
    std::map<QString, ModelKey> m_keys;
    quint64 m_generations = 0;
};

struct Handle
{
    std::unique_ptr<TRegistry> registry = std::make_unique<TRegistry>();
    std::optional<std::pair<QString, quint64>> key; // path and generation
};

[[noreturn]] void differ(const char *what, int step)
{
    std::fprintf(stderr, "the store and the model differ at step %d: %s\n", step, what);
    std::abort();
}

void run(const unsigned char *data, size_t size)
{
    Model model;
    Handle handles[2];
    // A short run finds the same faults as a long one, and stays quick.
    for (size_t i = 0; i + 2 < size && i < 3 * 64; i += 3) {
        const int step = int(i / 3);
        Handle &h = handles[data[i] & 1];
        const QString &keyPath = kKeys[data[i + 1] % 3];
        const QString &name = kNames[data[i + 1] / 3 % 5];
        const int number = data[i + 2];
        ModelKey *key = h.key ? model.find(h.key->first, h.key->second) : nullptr;
        switch (data[i] >> 1 & 7) {
        case 0:
            if (!h.registry->OpenKey(keyPath, true))
                differ("open", step);
            h.key = {keyPath, model.create(keyPath)};
            break;
        case 1:
            h.registry->CloseKey();
            h.key.reset();
            break;
        case 2:
            if (h.registry->WriteString(name, QString::number(number)) != (key != nullptr))
                differ("write a string", step);
            if (key)
                key->values[name.toCaseFolded()] = {true, QString::number(number), 0};
            break;
        case 3:
            if (h.registry->WriteInteger(name, -number) != (key != nullptr))
                differ("write an integer", step);
            if (key)
                key->values[name.toCaseFolded()] = {false, {}, -number};
            break;
        case 4: {
            const auto it = key ? key->values.constFind(name.toCaseFolded())
                                : QHash<QString, ModelValue>::const_iterator();
            const bool stored = key && it != key->values.constEnd();
            QString text = QStringLiteral("none");
            qint32 value = 12345;
            const bool readText = h.registry->ReadString(name, text);
            const bool readNumber = h.registry->ReadInteger(name, value);
            if (readText != (stored && it->isText) || readNumber != (stored && !it->isText) ||
                (readText && text != it->text) || (readNumber && value != it->number))
                differ("read", step);
            break;
        }
        case 5: {
            const bool stored = key && key->values.remove(name.toCaseFolded()) > 0;
            if (h.registry->DeleteValue(name) != stored)
                differ("delete a value", step);
            break;
        }
        case 6:
            if (h.registry->DeleteKey(keyPath) != model.remove(keyPath))
                differ("delete a key", step);
            break;
        default:
            h = Handle();
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    QTemporaryDir dir;
    qputenv("CORVANEL_REGISTRY_DIR", QFile::encodeName(dir.path()));
    run(data, size);
    return 0;
}
