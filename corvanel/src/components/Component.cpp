// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Component.h>

namespace corvanel {

Component::~Component() = default;

void Component::runLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    Loaded();
}

} // namespace corvanel
