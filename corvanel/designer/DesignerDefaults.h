// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "DeclaredDefaults.h"

#include <QObject>
#include <QSet>
#include <memory>
#include <unordered_map>

class QDesignerFormEditorInterface;
class QDesignerFormWindowInterface;

namespace corvanel {

// Makes Qt Designer write the library's properties by their declared
// defaults (DeclaredDefaults.h).
//
// Designer writes a property when its property sheet marks it changed: set
// by the user or read from the form. Left alone, a property set back to its
// default would stay in the form, and a new widget's NumGlyphs or ShowLatest
// (whose declared defaults differ from what a new widget holds) would be left
// out. So after every change of a form, and whenever a widget joins one
// (dropped on it or read from a file), the changed marks of each declared
// property are set from the rule: changed exactly when the form has to keep
// the value.
class DesignerDefaults : public QObject
{
    Q_OBJECT

public:
    explicit DesignerDefaults(QDesignerFormEditorInterface *core, QObject *parent = nullptr);
    ~DesignerDefaults() override;

    // Starts watching Designer's form windows once its form window manager
    // exists (it may not yet while Designer initialises its plugins); called
    // again at every widget Designer makes, it does nothing once watching.
    void watchFormWindows();

    // Brings the marks of every widget Designer manages on `form` in line.
    void sync(QDesignerFormWindowInterface *form);
    // The same for one object; returns whether any mark changed.
    bool syncObject(QObject *object);

private:
    void watch(QDesignerFormWindowInterface *form);
    void syncLater(QDesignerFormWindowInterface *form);
    const DeclaredDefaults &defaultsOf(const QMetaObject *metaObject);

    QDesignerFormEditorInterface *m_core;
    bool m_watching = false;
    QSet<const QDesignerFormWindowInterface *> m_pending;
    std::unordered_map<const QMetaObject *, std::unique_ptr<DeclaredDefaults>> m_defaults;
};

} // namespace corvanel
