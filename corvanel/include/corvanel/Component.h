// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

namespace corvanel {

// Mixin carried by every component of the library, visual or not.
//
// A component lives through three stages: constructed with its defaults,
// properties set by whoever builds the form (setupUi, QUiLoader or plain code),
// then Loaded() once the whole form exists. loadComponents() (ComponentLoader.h)
// runs the last stage for a form. Constructors therefore never touch storage or
// menus; work that needs the final property values belongs in Loaded().
//
// A component created for a form designer is flagged with setDesigning(true)
// by its creator; while the flag is set it touches no storage and no menus.
class CORVANEL_EXPORT Component
{
public:
    Component() = default;
    virtual ~Component();
    Component(const Component &) = delete;
    Component &operator=(const Component &) = delete;

    bool isDesigning() const noexcept { return m_designing; }
    void setDesigning(bool designing) noexcept { m_designing = designing; }

    bool isLoaded() const noexcept { return m_loaded; }

    // Runs Loaded() the first time it is called; later calls do nothing.
    void runLoaded();

protected:
    // Called once after the form holding the component has been read.
    virtual void Loaded() {}

private:
    bool m_designing = false;
    bool m_loaded = false;
};

} // namespace corvanel
