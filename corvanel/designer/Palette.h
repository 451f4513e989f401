// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QObject;
class QWidget;

namespace corvanel {

// One class offered on a form designer's palette.
struct PaletteEntry
{
    QString page;        // "Corvanel" (non-visual) or "Corvanel 2" (visual controls)
    QString className;   // C++ class name, e.g. "corvanel::TFancyButton"
    QString includeFile; // header a generated form includes, e.g. "FancyButton.h"
    QString toolTip;
    QString whatsThis;
    // Creates a widget for a form. Empty for non-visual components.
    std::function<QWidget *(QWidget *parent)> createWidget;
    // Creates a non-visual component owned by `parent`. Empty for widgets.
    std::function<QObject *(QObject *parent)> createObject;
};

// The palette registry that the units' Register() fill (UnitRegistrations.h)
// and the Designer plugin reads. It lives in the plugin: the running program
// never registers anything, and the library does not carry it.
class Palette
{
public:
    // Adds an entry, or replaces the entry of the same class name, so a unit's
    // Register() may run more than once.
    static void add(PaletteEntry entry);
    static const std::vector<PaletteEntry> &entries();
    static const PaletteEntry *find(const QString &className);
    static void clear();
};

// A new T in designer state, for a palette entry's createWidget (Parent =
// QWidget) or createObject (Parent = QObject): e.g.
//   entry.createWidget = &createDesigning<TNumberEdit, QWidget>;
template <typename T, typename Parent> T *createDesigning(Parent *parent)
{
    auto *component = new T(parent);
    component->setDesigning(true);
    return component;
}

} // namespace corvanel
