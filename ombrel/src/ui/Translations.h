// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The game's translations (compiled into the program from translations/*.ts)
// and Qt's own for its standard buttons, installed for one locale. English is
// the source language: for it, or for a language without a translation,
// nothing is installed and the texts stay as written.

#include <QLocale>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace ombrel {

class Translations
{
public:
    // The languages the game is translated into, besides English.
    static QStringList Languages();

    // The locale the player asked for: the first of LANGUAGE, LC_ALL,
    // LC_MESSAGES and LANG that names a language (Qt reads them into the
    // system locale's UI languages), even when that locale is not generated
    // on the machine.
    static QLocale PlayerLocale();

    // Installs the translators for `locale` on `app` (they are its children)
    // and makes `locale` the default; returns the language of the translation
    // installed ("de_DE"), or an empty string for English. Translators installed before are
    // removed, so this can be called again to switch languages.
    static QString Install(QCoreApplication &app, const QLocale &locale);
};

} // namespace ombrel
