// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "DesignerDefaults.h"

#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionManager>
#include <QMetaProperty>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace corvanel {

namespace {

bool isPicture(const QObject *object, const QByteArray &name)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name.constData());
    if (index < 0)
        return false;
    const int type = meta->property(index).metaType().id();
    return type == QMetaType::QPixmap || type == QMetaType::QIcon || type == QMetaType::QImage;
}

} // namespace

DesignerDefaults::DesignerDefaults(QDesignerFormEditorInterface *core, QObject *parent)
    : QObject(parent), m_core(core)
{
    watchFormWindows();
}

DesignerDefaults::~DesignerDefaults() = default;

void DesignerDefaults::watchFormWindows()
{
    QDesignerFormWindowManagerInterface *manager = m_core->formWindowManager();
    if (m_watching || !manager || !m_core->extensionManager())
        return;
    m_watching = true;
    connect(manager, &QDesignerFormWindowManagerInterface::formWindowAdded, this,
            &DesignerDefaults::watch);
    for (int i = 0; i < manager->formWindowCount(); ++i)
        watch(manager->formWindow(i));
}

void DesignerDefaults::watch(QDesignerFormWindowInterface *form)
{
    if (!form)
        return;
    const QPointer<QDesignerFormWindowInterface> guarded(form);
    const auto syncForm = [this, guarded] {
        if (guarded)
            sync(guarded);
    };
    connect(form, &QDesignerFormWindowInterface::changed, this, syncForm);
    // A widget read from a file is managed before all its properties are
    // set, so the whole form is looked at again once the reading is done.
    connect(form, &QDesignerFormWindowInterface::widgetManaged, this,
            [this, guarded](QWidget *widget) {
                syncObject(widget);
                if (guarded)
                    syncLater(guarded);
            });
    sync(form);
}

void DesignerDefaults::syncLater(QDesignerFormWindowInterface *form)
{
    // Reading a form of many widgets queues one sync, not one per widget.
    if (m_pending.contains(form))
        return;
    m_pending.insert(form);
    const QPointer<QDesignerFormWindowInterface> guarded(form);
    QTimer::singleShot(0, this, [this, form, guarded] {
        m_pending.remove(form);
        if (guarded)
            sync(guarded);
    });
}

void DesignerDefaults::sync(QDesignerFormWindowInterface *form)
{
    QWidget *main = form->mainContainer();
    if (!main)
        return;
    syncObject(main);
    for (QWidget *widget : main->findChildren<QWidget *>())
        if (form->isManaged(widget))
            syncObject(widget);
}

bool DesignerDefaults::syncObject(QObject *object)
{
    if (!object || !m_core->extensionManager())
        return false;
    const DeclaredDefaults &defaults = defaultsOf(object->metaObject());
    if (defaults.entries().empty())
        return false;
    auto *sheet =
        qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), object);
    if (!sheet)
        return false;
    bool marked = false;
    for (const DeclaredDefaults::Entry &entry : defaults.entries()) {
        const int index = sheet->indexOf(QString::fromLatin1(entry.name));
        if (index < 0)
            continue;
        // Designer keeps a picture as a reference to its file or resource; one
        // that cannot be loaded gives a null picture, equal to the declared
        // "none", but the reference must stay in the form, as Designer keeps it
        // for its own widgets. Only resetting the property lets it go.
        const bool keep = defaults.isStored(object, entry.name) ||
                          (sheet->isChanged(index) && isPicture(object, entry.name));
        if (sheet->isChanged(index) != keep) {
            sheet->setChanged(index, keep);
            marked = true;
        }
    }
    return marked;
}

const DeclaredDefaults &DesignerDefaults::defaultsOf(const QMetaObject *metaObject)
{
    auto &slot = m_defaults[metaObject];
    if (!slot)
        slot = std::make_unique<DeclaredDefaults>(metaObject);
    return *slot;
}

} // namespace corvanel
