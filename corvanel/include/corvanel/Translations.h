// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

class QLocale;

namespace corvanel {

/// Loads the library's own texts ("Can't undo", the messages of its
/// exceptions) in the language of `locale` and installs them in the running
/// QCoreApplication, replacing those an earlier call installed. The catalogue
/// is looked for beside the library (share/corvanel/translations of its
/// prefix). Returns whether one was found; without, the texts stay English.
CORVANEL_EXPORT bool installTranslator(const QLocale &locale);

} // namespace corvanel
