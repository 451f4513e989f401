// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Translations.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include <dlfcn.h>

namespace corvanel {

namespace {

constexpr const char *TranslatorName = "corvanel-translator";

// The catalogues' folder: CORVANEL_TRANSLATIONS_RELATIVE (set by the build)
// leads there from the folder of the library, in the build tree as installed.
QString translationsDir()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&installTranslator), &info) || !info.dli_fname)
        return {};
    const QString library = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
    if (library.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(library).absolutePath() + QLatin1Char('/') +
                           QStringLiteral(CORVANEL_TRANSLATIONS_RELATIVE));
}

void removeInstalled(QCoreApplication &app)
{
    for (QTranslator *old : app.findChildren<QTranslator *>(QString::fromLatin1(TranslatorName),
                                                            Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
}

} // namespace

bool installTranslator(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    removeInstalled(*app);
    auto *translator = new QTranslator(app);
    translator->setObjectName(QString::fromLatin1(TranslatorName));
    // Tries every UI language of the locale in turn ("de-DE", then "de").
    if (!translator->load(locale, QStringLiteral("corvanel"), QStringLiteral("_"),
                          translationsDir())) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace corvanel
