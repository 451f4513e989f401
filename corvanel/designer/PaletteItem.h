// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "Palette.h"
#include <corvanel/Component.h>

#include <QObject>
#include <QString>
#include <QWidget>
#include <type_traits>

namespace corvanel {

// What the Designer palette shows of one component. Every unit's Register()
// adds its classes through addToPalette(), so they all read alike.
struct PaletteItem
{
    const char *page;        // "Corvanel" (non-visual) or "Corvanel 2" (visual controls)
    const char *className;   // e.g. "corvanel::TFancyButton"
    const char *includeFile; // e.g. "corvanel/FancyButton.h"
    const char *toolTip;
    const char *whatsThis = "";
    const char *designCaption = nullptr; // a label's caption on a new form
};

// Adds T to the palette: a widget or a non-visual component, created in
// design mode (and, for a label given a design caption, showing it).
template <typename T> void addToPalette(const PaletteItem &item)
{
    PaletteEntry entry;
    entry.page = QString::fromUtf8(item.page);
    entry.className = QString::fromUtf8(item.className);
    entry.includeFile = QString::fromUtf8(item.includeFile);
    entry.toolTip = QString::fromUtf8(item.toolTip);
    entry.whatsThis = QString::fromUtf8(item.whatsThis);
    if constexpr (!std::is_base_of_v<QWidget, T>) {
        entry.createObject = &createDesigning<T, QObject>;
    } else {
        entry.createWidget = &createDesigning<T, QWidget>;
        if constexpr (requires(T & label) { label.setText(QString()); }) {
            if (item.designCaption)
                entry.createWidget = [caption = QString::fromUtf8(item.designCaption)](
                                         QWidget *parent) -> QWidget * {
                    T *label = createDesigning<T, QWidget>(parent);
                    label->setText(caption);
                    return label;
                };
        }
    }
    Palette::add(std::move(entry));
}

} // namespace corvanel
