// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/Main.h"
#include "ui/About.h"
#include "ui/BoardPictures.h"
#include "ui/OmbrelApplication.h"
#include "ui/Translations.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>

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
    options.addPositionalArgument(
        "file",
        "A saved game (.ombrel) to go on with. A game file holds at most 1 MiB, lines of at "
        "most 256 characters, at most 10,000 moves, turns and rounds, and at most 9999 seeds "
        "in a house and 9999 groups in a store; any other file is refused with the reason and "
        "the game starts as new.",
        "[file]");
}

// What the game does not know on its command line is passed over with one
// line on stderr, and the game starts all the same. False then: the command
// line as a whole was ignored, a game file named on it too.
bool ParseLeniently(QCommandLineParser &options, const QStringList &arguments)
{
    if (options.parse(arguments))
        return true;
    QTextStream(stderr) << "ombrel: " << options.errorText() << " Ignored.\n";
    return false;
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
    const bool parsed = ParseLeniently(options, QCoreApplication::arguments());
    return ombrel::OmbrelApplication::RunWindows([&options, &language, parsed] {
        ombrel::TMainForm MainForm;
        MainForm.show();
        if (options.isSet(CheckOption))
            return CheckInstallation(MainForm, language);
        // A file that cannot be read is refused in a box; the new game stays.
        const QStringList files = parsed ? options.positionalArguments() : QStringList();
        if (!files.isEmpty())
            QTimer::singleShot(0, &MainForm,
                               [&MainForm, file = files.first()] { MainForm.OpenGameFrom(file); });
        if (files.size() > 1)
            QTextStream(stderr) << "ombrel: only one game can be opened; the others are ignored.\n";
        QApplication::exec();
        return 0;
    });
}
