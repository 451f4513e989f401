// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "DesignerPlugin.h"

#include "DesignerDefaults.h"
#include "DesignerWidget.h"

#include "Palette.h"
#include "UnitRegistrations.h"

namespace corvanel {

DesignerPlugin::DesignerPlugin(QObject *parent) : QObject(parent)
{
    registerAllUnits();
    for (const PaletteEntry &entry : Palette::entries())
        if (entry.createWidget)
            m_widgets.append(new DesignerWidget(entry, this));
}

DesignerPlugin::~DesignerPlugin() = default;

QList<QDesignerCustomWidgetInterface *> DesignerPlugin::customWidgets() const
{
    return m_widgets;
}

void DesignerPlugin::attach(QDesignerFormEditorInterface *core)
{
    if (!core)
        return;
    if (!m_defaults)
        m_defaults = new DesignerDefaults(core, this);
    m_defaults->watchFormWindows();
}

} // namespace corvanel
