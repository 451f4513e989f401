// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "DesignerPlugin.h"

#include "DesignerDefaults.h"
#include "DesignerWidget.h"

#include "Palette.h"
#include <corvanel/AnimatedLabel.h>
#include <corvanel/Debug.h>
#include <corvanel/FancyButton.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/URLStatic.h>
#include <corvanel/UnitEdit.h>
#include <corvanel/Version.h>
#include <corvanel/undo.h>

namespace corvanel {

DesignerPlugin::DesignerPlugin(QObject *parent) : QObject(parent)
{
    registerUnits();
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

void DesignerPlugin::registerUnits()
{
    // Every unit of the library, in the order they build on each other. A
    // new unit adds its Register() here and nowhere else.
    Jstore::Register();
    JMRU::Register();
    MRUCombo::Register();
    undo::Register();
    Debug::Register();
    FancyButton::Register();
    AnimatedLabel::Register();
    NumberEdit::Register();
    UnitEdit::Register();
    Version::Register();
    URLStatic::Register();
}

} // namespace corvanel
