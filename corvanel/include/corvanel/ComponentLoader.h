// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

class QObject;

namespace corvanel {

/// Finishes loading a form: runs Loaded() on every library component among
/// `form` and its descendants, in creation order (a parent before its
/// children, siblings in the order they were created), each exactly once.
/// Call it right after setupUi() or after QUiLoader::load(). Returns the number
/// of components that were loaded by this call.
///
/// A null `form` loads nothing and returns 0. An exception thrown by a
/// Loaded() passes to the caller; the components after it stay unloaded and a
/// later call loads them.
CORVANEL_EXPORT int loadComponents(QObject *form);

} // namespace corvanel
