// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QList>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class QDesignerFormEditorInterface;

namespace corvanel {

class DesignerDefaults;

// The Qt Designer plugin of the library: one Designer widget for every
// palette entry that makes a widget (the visual controls of page
// "Corvanel 2" and the combo box of page "Corvanel"), in the widget box group
// named after its page. The non-visual components have no place on a
// Designer form and are left out.
//
// The plugin fills the palette itself by running every unit's Register()
// (UnitRegistrations.h), so the list follows whatever the units register. QUiLoader finds the
// plugin too: a program that loads forms at run time gets the same widgets, in running state, since
// only Designer hands the plugin its core.
class DesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit DesignerPlugin(QObject *parent = nullptr);
    ~DesignerPlugin() override;

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

    // Called by every widget's initialize() and at every widget made for
    // Designer: starts keeping the properties Designer writes to the
    // declared defaults.
    void attach(QDesignerFormEditorInterface *core);

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
    DesignerDefaults *m_defaults = nullptr;
};

} // namespace corvanel
