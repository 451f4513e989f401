// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "DeclaredDefaults.h"

#include <QFormBuilder>
#include <memory>
#include <unordered_map>

namespace corvanel {

// A QFormBuilder that saves forms the way the Designer plugin makes Designer
// save them: a property equal to its declared default is left out, one that
// differs is written, and so is one whose declared default a new object does
// not hold (DeclaredDefaults.h).
//
// Two gaps of Qt 6's QFormBuilder are closed on the way: it writes STORED
// false and DESIGNABLE false properties (TNumberEdit's text, TVersionLabel's
// FileName), which Designer never writes, and it drops every enumeration
// property (QVariant holds enumerations as their own types, which its writer
// does not know), so a changed State or AnimationType would be lost.
//
// Nor does it descend into the library's controls: their children are their
// own parts (the unit edit's number and caption, the combo box's list), made
// again when the form is loaded, not widgets of the form.
//
// Loading is QFormBuilder's own; with the Designer plugin on its plugin path
// it makes the library's widgets.
class FormWriter : public QFormBuilder
{
public:
    FormWriter();
    ~FormWriter() override;

protected:
    DomWidget *createDom(QWidget *widget, DomWidget *parent, bool recursive = true) override;
    bool checkProperty(QObject *object, const QString &name) const override;
    DomProperty *createProperty(QObject *object, const QString &name,
                                const QVariant &value) override;

private:
    const DeclaredDefaults &defaultsOf(const QMetaObject *metaObject) const;

    mutable std::unordered_map<const QMetaObject *, std::unique_ptr<DeclaredDefaults>> m_defaults;
};

} // namespace corvanel
