// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/Main.h"
#include "ui/About.h"
#include "ui/BoardPictures.h"
#include "ui/OmbrelApplication.h"
#include "ui/Translations.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

const QCommandLineOption CheckOption(
    "check",
    "Start, report where the manual is, which version and which language this is, and quit.");

void DeclareOptions(QCommandLineParser &options)
{
    options.setApplicationDescription("Ombrel, a board game of the mancala family.");
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(CheckOption);
}

// The game reads no command line of its own: what it does not know is passed
// over with one line on stderr, and the game starts all the same.
void ParseLeniently(QCommandLineParser &options, const QStringList &arguments)
{
    if (!options.parse(arguments))
        QTextStream(stderr) << "ombrel: " << options.errorText() << " Ignored.\n";
}

bool AsksForHelpOrVersion(const QCommandLineParser &options)
{
    return options.isSet("help") || options.isSet("help-all") || options.isSet("version");
}

// --check: what an installation needs, reported on stdout. The window is made
// and shown as usual, so this also proves that the game starts.
int CheckInstallation(const ombrel::TMainForm &window, const QString &language)
{
    QTextStream out(stdout);
    const QString help = ombrel::TMainForm::HelpFilePath();
    const QString version = window.AboutBox().Version();
    out << "help: " << (help.isEmpty() ? "not found" : help) << '\n';
    out << "version: " << (version.isEmpty() ? "not found" : version) << '\n';
    out << "language: " << (language.isEmpty() ? QStringLiteral("en") : language) << '\n';
    return help.isEmpty() || version.isEmpty() ? 1 : 0;
}

QStringList Arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    {
        QCommandLineParser options;
        DeclareOptions(options);
        options.parse(Arguments(argc, argv)); // errors are reported below
        if (AsksForHelpOrVersion(options)) {
            // Answered without a window system, so it works on any terminal.
            QCoreApplication core(argc, argv);
            ombrel::OmbrelApplication::Describe(core);
            if (options.isSet("version"))
                options.showVersion(); // prints and exits with 0
            options.showHelp(0);
        }
    }

    ombrel::OmbrelApplication app(argc, argv);
    // Before any window is made: the forms take their texts when they are built.
    const QString language =
        ombrel::Translations::Install(app, ombrel::Translations::PlayerLocale());
    app.setWindowIcon(ombrel::BoardPictures::Icon("ombrel"));
    // Qt has taken its own options (-platform ...) out of the arguments by now.
    QCommandLineParser options;
    DeclareOptions(options);
    ParseLeniently(options, QCoreApplication::arguments());
    return ombrel::OmbrelApplication::RunWindows([&options, &language] {
        ombrel::TMainForm MainForm;
        MainForm.show();
        if (options.isSet(CheckOption))
            return CheckInstallation(MainForm, language);
        QApplication::exec();
        return 0;
    });
}
