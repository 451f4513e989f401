// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

namespace corvanel {

/// Mixin carried by every component of the library, visual or not.
///
/// A component lives through three stages: constructed with its defaults,
/// properties set by whoever builds the form (setupUi, QUiLoader or plain code),
/// then Loaded() once the whole form exists. loadComponents() (ComponentLoader.h)
/// runs the last stage for a form. Constructors therefore never touch storage or
/// menus; work that needs the final property values belongs in Loaded().
///
/// A component created for a form designer is flagged with setDesigning(true)
/// by its creator; while the flag is set it touches no storage and no menus.
class CORVANEL_EXPORT Component
{
public:
    /// A component that is neither designing nor loaded.
    Component() = default;
    /// Destroys the component.
    virtual ~Component();
    /// Components are not copied.
    Component(const Component &) = delete;
    /// Components are not copied.
    Component &operator=(const Component &) = delete;

    /// True while a form designer shows the component; false by default.
    bool isDesigning() const noexcept { return m_designing; }
    /// Marks the component as shown by a form designer (`true`) or as a part of a
    /// running program (`false`, the default). Set it before the form is loaded.
    void setDesigning(bool designing) noexcept { m_designing = designing; }

    /// True once runLoaded() has run Loaded(); false for a new component.
    bool isLoaded() const noexcept { return m_loaded; }

    /// Runs Loaded() the first time it is called; later calls do nothing.
    ///
    /// loadComponents() calls it for every component of a form.
    void runLoaded();

protected:
    /// Called once after the form holding the component has been read.
    ///
    /// A subclass does here what needs the form's final property values
    /// (reading its storage, building menus); the default does nothing. It runs
    /// while isDesigning() too: the library's components then leave storage and
    /// menus alone.
    virtual void Loaded() {}

private:
    bool m_designing = false;
    bool m_loaded = false;
};

} // namespace corvanel
