// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "FormWriter.h"

#include <corvanel/Component.h>

#include <QMetaProperty>
#include <QObject>
#include <QWidget>

namespace corvanel {

FormWriter::FormWriter() = default;

FormWriter::~FormWriter() = default;

DomWidget *FormWriter::createDom(QWidget *widget, DomWidget *parent, bool recursive)
{
    if (dynamic_cast<Component *>(widget))
        recursive = false;
    return QFormBuilder::createDom(widget, parent, recursive);
}

bool FormWriter::checkProperty(QObject *object, const QString &name) const
{
    if (!QFormBuilder::checkProperty(object, name))
        return false;
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toUtf8().constData());
    if (index >= 0) {
        const QMetaProperty property = meta->property(index);
        // Not for forms (Designer does not show it), or a reference to
        // another object (an action), which has no form of its own.
        if (!property.isDesignable() || property.metaType().flags() & QMetaType::PointerToQObject)
            return false;
    }
    return defaultsOf(meta).isStored(object, name.toUtf8());
}

DomProperty *FormWriter::createProperty(QObject *object, const QString &name, const QVariant &value)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toUtf8().constData());
    // Given as a plain number, QFormBuilder writes an enumeration's key (or a
    // set of flags) as it does for its own properties.
    if (index >= 0 && meta->property(index).isEnumType()) {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (ok)
            return QFormBuilder::createProperty(object, name, QVariant(number));
    }
    return QFormBuilder::createProperty(object, name, value);
}

const DeclaredDefaults &FormWriter::defaultsOf(const QMetaObject *metaObject) const
{
    auto &slot = m_defaults[metaObject];
    if (!slot)
        slot = std::make_unique<DeclaredDefaults>(metaObject);
    return *slot;
}

} // namespace corvanel
