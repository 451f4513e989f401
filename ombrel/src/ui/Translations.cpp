// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/Translations.h"

#include <corvanel/Translations.h>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace ombrel {

namespace {

constexpr const char *GameTranslator = "ombrel-game-translator";
constexpr const char *QtTranslator = "ombrel-qt-translator";

void Remove(QCoreApplication &app, const char *name)
{
    for (QTranslator *old :
         app.findChildren<QTranslator *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
}

} // namespace

QStringList Translations::Languages()
{
    const QDir dir(QStringLiteral(":/i18n"));
    QStringList languages;
    for (const QString &file : dir.entryList({QStringLiteral("ombrel_*.qm")}, QDir::Files))
        languages << file.mid(7, file.size() - 10);
    return languages;
}

QLocale Translations::PlayerLocale()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.first());
}

QString Translations::Install(QCoreApplication &app, const QLocale &locale)
{
    Remove(app, GameTranslator);
    Remove(app, QtTranslator);
    QLocale::setDefault(locale);
    // The component library's own texts ("Can't undo"), wherever it is installed.
    corvanel::installTranslator(locale);

    auto *game = new QTranslator(&app);
    game->setObjectName(QString::fromLatin1(GameTranslator));
    // Tries every UI language of the locale in turn ("de-DE", then "de").
    if (!game->load(locale, QStringLiteral("ombrel"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        delete game;
        return {};
    }
    QCoreApplication::installTranslator(game);

    // Qt's own texts (Yes, No, Cancel of the message boxes) when the system
    // has them; without, those buttons stay English and the rest is translated.
    auto *qt = new QTranslator(&app);
    qt->setObjectName(QString::fromLatin1(QtTranslator));
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return game->language();
}

} // namespace ombrel
