// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "Palette.h"

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QDesignerFormEditorInterface;

namespace corvanel {

class DesignerPlugin;

// One palette entry as Qt Designer sees it: name, widget box group (the
// palette page), icon, tooltip, header and the widget factory. Widgets made
// while Designer is the caller (initialize() handed over its core) are in
// designer state and touch no storage and no menus; widgets made for
// QUiLoader or QFormBuilder at run time are ordinary ones.
class DesignerWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    DesignerWidget(PaletteEntry entry, DesignerPlugin *plugin);

    QString name() const override { return m_entry.className; }
    QString group() const override { return m_entry.page; }
    QString toolTip() const override { return m_entry.toolTip; }
    QString whatsThis() const override { return m_entry.whatsThis; }
    QString includeFile() const override { return m_entry.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

    // The object name Designer gives the first widget of a class:
    // "corvanel::TFancyButton" gives "fancyButton", "TMRUCombo" "mruCombo".
    static QString objectNameFor(const QString &className);
    // The resource of the class's icon: ":/corvanel/designer/fancybutton.svg".
    static QString iconPathFor(const QString &className);

private:
    PaletteEntry m_entry;
    DesignerPlugin *m_plugin;
    QDesignerFormEditorInterface *m_core = nullptr;
    bool m_initialized = false;
};

} // namespace corvanel
