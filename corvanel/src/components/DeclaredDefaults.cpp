// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "DeclaredDefaults.h"

#include <corvanel/Component.h>

#include <QBitmap>
#include <QIcon>
#include <QImage>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QPixmap>
#include <memory>
#include <optional>

Q_LOGGING_CATEGORY(lcDefaults, "corvanel.defaults")

namespace corvanel {

namespace {

std::optional<QVariant> converted(QVariant value, QMetaType type)
{
    if (!value.convert(type))
        return std::nullopt;
    return value;
}

std::optional<QVariant> parseEnum(const QMetaProperty &property, const QByteArray &text)
{
    const QMetaEnum e = property.enumerator();
    bool ok = false;
    const int value =
        e.isFlag() ? e.keysToValue(text.constData(), &ok) : e.keyToValue(text.constData(), &ok);
    if (!ok)
        return std::nullopt;
    return QVariant(value);
}

// The declared text as a value of the property's type; nullopt when it is
// not one. The empty text of a type without an empty value of its own (a
// picture) gives an invalid QVariant: "none".
std::optional<QVariant> parse(const QMetaProperty &property, const QByteArray &text)
{
    if (property.isEnumType())
        return parseEnum(property, text);
    const QMetaType type = property.metaType();
    bool ok = false;
    switch (type.id()) {
    case QMetaType::Bool:
        if (text == "true" || text == "false")
            return QVariant(text == "true");
        return std::nullopt;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qlonglong n = text.toLongLong(&ok, 0);
        return ok ? converted(QVariant(n), type) : std::nullopt;
    }
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong n = text.toULongLong(&ok, 0);
        return ok ? converted(QVariant(n), type) : std::nullopt;
    }
    case QMetaType::Float:
    case QMetaType::Double: {
        const double d = text.toDouble(&ok);
        return ok ? converted(QVariant(d), type) : std::nullopt;
    }
    case QMetaType::QString:
        return QVariant(QString::fromUtf8(text));
    case QMetaType::QByteArray:
        return QVariant(text);
    default:
        if (text.isEmpty())
            return QVariant();
        return converted(QVariant(QString::fromUtf8(text)), type);
    }
}

bool isEmptyValue(const QVariant &value)
{
    if (!value.isValid())
        return true;
    switch (value.metaType().id()) {
    case QMetaType::QPixmap:
        return value.value<QPixmap>().isNull();
    case QMetaType::QBitmap:
        return value.value<QBitmap>().isNull();
    case QMetaType::QImage:
        return value.value<QImage>().isNull();
    case QMetaType::QIcon:
        return value.value<QIcon>().isNull();
    case QMetaType::QString:
        return value.toString().isEmpty();
    case QMetaType::QByteArray:
        return value.toByteArray().isEmpty();
    default:
        return value.isNull();
    }
}

} // namespace

DeclaredDefaults::DeclaredDefaults(const QMetaObject *metaObject) : m_metaObject(metaObject)
{
    if (!m_metaObject)
        return;
    readClassInfo();
    compareWithNewObject();
}

const DeclaredDefaults::Entry *DeclaredDefaults::find(QByteArrayView name) const
{
    for (const Entry &entry : m_entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

void DeclaredDefaults::readClassInfo()
{
    const QByteArrayView prefix(classInfoPrefix);
    // Base classes come first, so a subclass may declare another default.
    const QByteArrayView unlessPrefix(storedUnlessPrefix);
    for (int i = 0; i < m_metaObject->classInfoCount(); ++i) {
        const QMetaClassInfo info = m_metaObject->classInfo(i);
        const QByteArrayView key(info.name());
        if (key.startsWith(unlessPrefix)) {
            const QByteArray name = key.sliced(unlessPrefix.size()).toByteArray();
            std::erase_if(m_entries, [&](const Entry &e) { return e.name == name; });
            m_entries.push_back({name, QVariant(), false, QByteArray(info.value())});
            continue;
        }
        if (!key.startsWith(prefix))
            continue;
        const QByteArray name = key.sliced(prefix.size()).toByteArray();
        const int index = m_metaObject->indexOfProperty(name.constData());
        const std::optional<QVariant> value =
            index < 0 ? std::nullopt : parse(m_metaObject->property(index), info.value());
        std::erase_if(m_entries, [&](const Entry &e) { return e.name == name; });
        if (!value) {
            qCWarning(lcDefaults) << m_metaObject->className() << "declares an unusable default"
                                  << info.value() << "for" << name;
            m_faults.append(name);
            continue;
        }
        m_faults.removeAll(name);
        m_entries.push_back({name, *value, false, {}});
    }
}

void DeclaredDefaults::compareWithNewObject()
{
    if (m_entries.empty())
        return;
    // Constructors touch neither storage nor menus, and the designer state
    // keeps the destructor from doing so (a list that saves on destruction).
    std::unique_ptr<QObject> prototype(m_metaObject->newInstance());
    if (auto *component = dynamic_cast<Component *>(prototype.get()))
        component->setDesigning(true);
    if (!prototype)
        qCDebug(lcDefaults) << m_metaObject->className()
                            << "cannot be built without arguments; all its defaults are written";
    for (Entry &entry : m_entries) {
        if (!entry.storedUnless.isEmpty())
            continue; // follows its flag, not a default
        if (!prototype) {
            entry.alwaysStored = true;
            continue;
        }
        const QMetaProperty property =
            m_metaObject->property(m_metaObject->indexOfProperty(entry.name.constData()));
        entry.alwaysStored = !equalsDefault(property, property.read(prototype.get()), entry);
    }
}

bool DeclaredDefaults::isStored(const QObject *object, QByteArrayView name) const
{
    if (!object)
        return false;
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toByteArray().constData());
    if (index < 0)
        return true; // a dynamic property: always the object's own choice
    const QMetaProperty property = meta->property(index);
    if (!property.isStored())
        return false;
    const Entry *entry = find(name);
    if (entry && !entry->storedUnless.isEmpty())
        return !object->property(entry->storedUnless.constData()).toBool();
    if (!entry || entry->alwaysStored)
        return true;
    return !equalsDefault(property, property.read(object), *entry);
}

bool DeclaredDefaults::equalsDefault(const QMetaProperty &property, const QVariant &value,
                                     const Entry &entry)
{
    if (!entry.value.isValid())
        return isEmptyValue(value);
    if (property.isEnumType()) {
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok && number == entry.value.toInt();
    }
    return value == entry.value;
}

} // namespace corvanel
