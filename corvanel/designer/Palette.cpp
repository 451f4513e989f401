// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "Palette.h"

#include <algorithm>

namespace corvanel {

namespace {

std::vector<PaletteEntry> &registry()
{
    static std::vector<PaletteEntry> entries;
    return entries;
}

} // namespace

void Palette::add(PaletteEntry entry)
{
    auto &entries = registry();
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const PaletteEntry &e) { return e.className == entry.className; });
    if (it != entries.end())
        *it = std::move(entry);
    else
        entries.push_back(std::move(entry));
}

const std::vector<PaletteEntry> &Palette::entries()
{
    return registry();
}

const PaletteEntry *Palette::find(const QString &className)
{
    for (const PaletteEntry &e : registry())
        if (e.className == className)
            return &e;
    return nullptr;
}

void Palette::clear()
{
    registry().clear();
}

} // namespace corvanel
